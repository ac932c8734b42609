// The sdl backend: the platform contract on SDL2, for Linux desktops (tested on X11 under Xvfb).
//
// Implements:
//  [x] window class and one window at a time, created hidden (its handles, device context, pixel
//      format and message queue as every one-window backend has them: emulated/OneWindow.cpp); WM_SIZE with the window's size
//      (the size asked, for desktop full screen) is sent to the class's procedure while the window
//      is created, and on every size change; frames are scaled to the drawable, which on a
//      high-density display has more pixels than the window
//  [x] full screen as a borderless window over the whole desktop at its own resolution, granted
//      whenever there is a display; or, chosen by the viewer, a display mode the display lists
//      with exactly the asked size
//  [x] the swap interval the viewer chose
//  [x] OpenGL compatibility-profile context (never core): double buffered, RGB 8/8/8, depth 16
//  [x] keys as Windows virtual-key codes, Alt and F10 as system keys, close requests as WM_CLOSE
//      (SdlKeys.cpp, SdlMessages.cpp)
//  [x] message boxes, written to stderr when none can be shown (SdlMessageBox.cpp)
//  [x] audio output: stereo signed 16-bit pulled through SDL's callback (SdlAudio.cpp)
//  [x] counter, embedded resources; the screen saver stays off while video runs (SDL's default)
//  [x] the window icon from the class's icon resource (SdlIcon.cpp)
// Lacks:
//  [ ] several windows at once; pixel formats other than the one above (its index is always 1)
//  [ ] WM_ACTIVATE, character messages, the mouse
#include <cstdio>
#include <cstdlib>

#include "platform/WindowMessages.h"
#include "platform/emulated/OneWindow.h"
#include "platform/emulated/Windowing.h"
#include "platform/sdl/SdlIcon.h"
#include "platform/sdl/SdlState.h"
#include "resources/EmbeddedResources.h"

namespace {

emulated::WindowClass windowClass;
int classIconId = 0;  // the resource of the class's icon
sdl::OpenWindow theWindow;

platform::DisplayChoices choices = {platform::FullScreenKind::Desktop, platform::VSync::DriverDefault};

// The mode changeDisplayMode granted; full-screen windows of the DisplayMode kind take it.
bool fullScreenModeSet = false;
SDL_DisplayMode fullScreenMode;

bool desktopFullScreen() { return choices.fullScreen == platform::FullScreenKind::Desktop; }

// The window a device context stands for: the device handle is the window handle.
SDL_Window* windowOfDevice(platform::DeviceHandle device) {
    return sdl::windowOf(reinterpret_cast<platform::WindowHandle>(device));
}

bool bitsMatch(const SDL_DisplayMode& mode, int bitsPerPixel) {
    const int bits = SDL_BITSPERPIXEL(mode.format);
    // A 32-bit request means 8 bits per colour, which X11 and SDL call 24 bits.
    return bits == bitsPerPixel || (bitsPerPixel == 32 && bits == 24);
}

// The GL attributes take effect when the window is created, since SDL picks its visual then.
void requestGLAttributes() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
}

}  // namespace

namespace sdl {

OpenWindow& openWindow() { return theWindow; }

bool ensureVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return true;
    // Without a display SDL falls back to drivers that draw where nobody sees; a driver named in
    // SDL_VIDEODRIVER is the user's choice.
    if (SDL_getenv("SDL_VIDEODRIVER") == nullptr && SDL_getenv("DISPLAY") == nullptr &&
        SDL_getenv("WAYLAND_DISPLAY") == nullptr) {
        SDL_SetError("neither DISPLAY nor WAYLAND_DISPLAY is set");
        return false;
    }
    // One close request per closed window: WM_CLOSE comes from the window's close event alone.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

platform::WindowHandle handleOf(SDL_Window* window) {
    const auto handle = reinterpret_cast<platform::WindowHandle>(window);
    return emulated::isOpenWindow(handle) ? handle : nullptr;
}

SDL_Window* windowOf(platform::WindowHandle window) {
    return emulated::isOpenWindow(window) ? theWindow.window : nullptr;
}

intptr_t clientSizeParam(const OpenWindow& open) {
    if (open.desktopFullScreen) return platform::sizeParam(open.askedWidth, open.askedHeight);
    int width = 0, height = 0;
    SDL_GetWindowSize(open.window, &width, &height);
    return platform::sizeParam(width, height);
}

}  // namespace sdl

namespace platform {

// --- display, window class, display mode, cursor ------------------------------------------

bool openDisplay(const char*& reason) {
    if (sdl::ensureVideo()) return true;
    reason = SDL_GetError();
    return false;
}

void setDisplayChoices(const DisplayChoices& chosen) { choices = chosen; }

bool registerWindowClass(const char* className, WindowProc proc, int iconResourceId) {
    if (!sdl::ensureVideo() || !windowClass.registerClass(className, proc)) return false;
    classIconId = iconResourceId;
    return true;
}

bool unregisterWindowClass(const char* className) { return windowClass.unregisterClass(className); }

bool changeDisplayMode(int width, int height, int bitsPerPixel) {
    if (!sdl::ensureVideo()) return false;
    if (desktopFullScreen()) return true;
    const int modeCount = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < modeCount; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
        if (mode.w == width && mode.h == height && bitsMatch(mode, bitsPerPixel)) {
            fullScreenMode = mode;
            fullScreenModeSet = true;
            return true;
        }
    }
    return false;
}

// SDL puts the desktop mode back itself when the full-screen window goes.
void restoreDisplayMode() { fullScreenModeSet = false; }

void showCursor(bool visible) {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

// --- window, device context, pixel format, GL context --------------------------------------

WindowHandle createWindow(const char* className, const char* title, WindowMode mode, int x, int y,
                          int width, int height) {
    const WindowProc proc = windowClass.procFor(className);
    if (proc == nullptr || theWindow.window != nullptr || !sdl::ensureVideo()) return nullptr;
    requestGLAttributes();
    const bool fullScreen = mode == WindowMode::FullScreen;
    const bool desktop = fullScreen && desktopFullScreen();
    const Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI |
                         (!fullScreen ? SDL_WINDOW_RESIZABLE
                                      : desktop ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_FULLSCREEN);
    // Created over the whole desktop: where no window manager answers the full-screen request
    // (a bare X server), the window still covers the screen.
    SDL_DisplayMode desktopMode;
    const bool desktopSized = desktop && SDL_GetDesktopDisplayMode(0, &desktopMode) == 0;
    SDL_Window* window = SDL_CreateWindow(title, x, y, desktopSized ? desktopMode.w : width,
                                          desktopSized ? desktopMode.h : height, flags);
    if (window == nullptr) return nullptr;
    if (fullScreen && !desktop && fullScreenModeSet && SDL_SetWindowDisplayMode(window, &fullScreenMode) != 0) {
        SDL_DestroyWindow(window);
        return nullptr;
    }
    sdl::setWindowIcon(window, classIconId);
    theWindow = {window, desktop, width, height};
    const auto handle = reinterpret_cast<WindowHandle>(window);
    emulated::windowOpened(handle, proc);
    proc(handle, WM_SIZE, 0, sdl::clientSizeParam(theWindow));
    return handle;
}

bool destroyWindow(WindowHandle window) {
    SDL_Window* sdlWindow = sdl::windowOf(window);
    if (sdlWindow == nullptr) return false;
    SDL_DestroyWindow(sdlWindow);
    emulated::windowClosed();
    theWindow = {};
    return true;
}

void showWindow(WindowHandle window) {
    SDL_Window* sdlWindow = sdl::windowOf(window);
    if (sdlWindow == nullptr) return;
    SDL_ShowWindow(sdlWindow);
    SDL_RaiseWindow(sdlWindow);
}

ContextHandle createGLContext(DeviceHandle device) {
    SDL_Window* window = windowOfDevice(device);
    return window != nullptr ? static_cast<ContextHandle>(SDL_GL_CreateContext(window)) : nullptr;
}

bool makeCurrent(DeviceHandle device, ContextHandle context) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    SDL_Window* window = windowOfDevice(device);
    if (context != nullptr && window == nullptr) return false;
    if (SDL_GL_MakeCurrent(window, context) != 0) return false;
    // A driver that cannot honour the interval keeps its own: nothing the demo must stop for.
    if (context != nullptr && choices.vsync != VSync::DriverDefault)
        SDL_GL_SetSwapInterval(choices.vsync == VSync::On ? 1 : 0);
    return true;
}

bool deleteGLContext(ContextHandle context) {
    if (context == nullptr) return false;
    SDL_GL_DeleteContext(context);
    return true;
}

int swapBuffers(DeviceHandle device) {
    SDL_Window* window = windowOfDevice(device);
    if (window == nullptr) return 0;
    SDL_GL_SwapWindow(window);
    return 1;
}

void drawableSize(DeviceHandle device, int& width, int& height) {
    if (SDL_Window* window = windowOfDevice(device)) SDL_GL_GetDrawableSize(window, &width, &height);
}

void* glProcAddress(const char* name) { return SDL_GL_GetProcAddress(name); }

// --- process, counter, resources -----------------------------------------------------------

void exitProcess(int exitCode) {
    std::fflush(nullptr);
    SDL_Quit();  // gives the desktop its display mode back if a full-screen window is still up
    std::_Exit(exitCode);
}

int64_t counterFrequency() { return static_cast<int64_t>(SDL_GetPerformanceFrequency()); }

int64_t counterValue() { return static_cast<int64_t>(SDL_GetPerformanceCounter()); }

ResourceBytes findResource(int id) { return resources::findEmbedded(id); }

}  // namespace platform
