// SDL's events as the window messages they stand for, after those the program posted
// (emulated/OneWindow.cpp).
#include "platform/WindowMessages.h"
#include "platform/emulated/OneWindow.h"
#include "platform/emulated/Windowing.h"
#include "platform/sdl/SdlKeys.h"
#include "platform/sdl/SdlState.h"

namespace {

// The open window, when the event concerns it. Key events name no window (0) while no window
// has the keyboard focus, which happens under X servers without a window manager.
SDL_Window* eventWindow(Uint32 windowId) {
    SDL_Window* window = sdl::openWindow().window;
    if (window == nullptr) return nullptr;
    return windowId == 0 || windowId == SDL_GetWindowID(window) ? window : nullptr;
}

bool windowMessageFor(const SDL_WindowEvent& event, platform::Message& out) {
    SDL_Window* window = eventWindow(event.windowID);
    if (window == nullptr) return false;
    if (event.event == SDL_WINDOWEVENT_CLOSE) {
        out = {sdl::handleOf(window), platform::WM_CLOSE, 0, 0};
        return true;
    }
    if (event.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        out = {sdl::handleOf(window), platform::WM_SIZE, 0, sdl::clientSizeParam(sdl::openWindow())};
        return true;
    }
    return false;
}

bool keyMessageFor(const SDL_KeyboardEvent& event, platform::Message& out) {
    SDL_Window* window = eventWindow(event.windowID);
    return window != nullptr && emulated::keyMessage(sdl::handleOf(window), sdl::virtualKeyOf(event.keysym.sym),
                                                     (event.keysym.mod & KMOD_ALT) != 0, event.type == SDL_KEYDOWN, out);
}

// The window message an SDL event stands for; false for events that stand for none.
bool messageFor(const SDL_Event& event, platform::Message& out) {
    switch (event.type) {
    case SDL_QUIT: {
        SDL_Window* window = eventWindow(0);
        if (window == nullptr) return false;
        out = {sdl::handleOf(window), platform::WM_CLOSE, 0, 0};
        return true;
    }
    case SDL_WINDOWEVENT: return windowMessageFor(event.window, out);
    case SDL_KEYDOWN:
    case SDL_KEYUP: return keyMessageFor(event.key, out);
    default: return false;
    }
}

}  // namespace

namespace emulated {

bool takeBackendMessage(platform::Message& message) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
        if (messageFor(event, message)) return true;
    return false;
}

}  // namespace emulated
