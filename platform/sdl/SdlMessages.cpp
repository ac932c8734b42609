// The thread's message queue on SDL: messages posted by the program come first, then SDL's
// events as the window messages they stand for.
#include "platform/WindowMessages.h"
#include "platform/portable/PortableWindowing.h"
#include "platform/sdl/SdlKeys.h"
#include "platform/sdl/SdlState.h"

namespace {

portable::MessageQueue postedMessages;

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
    sdl::KeyMessage key;
    if (window == nullptr || !sdl::translateKey(event.keysym.sym, event.keysym.mod, event.type == SDL_KEYDOWN, key))
        return false;
    out = {sdl::handleOf(window), key.message, static_cast<uintptr_t>(key.virtualKey), 0};
    return true;
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

namespace platform {

bool peekMessage(Message& message) {
    if (postedMessages.take(message)) return true;
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
        if (messageFor(event, message)) return true;
    return false;
}

// Character messages are not needed: the window procedure works with key codes alone.
void translateMessage(const Message& message) { (void)message; }

intptr_t dispatchMessage(const Message& message) {
    const sdl::OpenWindow& open = sdl::openWindow();
    if (sdl::windowOf(message.window) == nullptr) return 0;
    return open.proc(message.window, message.message, message.wParam, message.lParam);
}

void postQuitMessage(int exitCode) { postedMessages.postQuit(exitCode); }

intptr_t defaultWindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    const WindowProc proc = sdl::windowOf(window) != nullptr ? sdl::openWindow().proc : nullptr;
    return portable::defaultWindowProc(proc, window, message, wParam, lParam);
}

}  // namespace platform
