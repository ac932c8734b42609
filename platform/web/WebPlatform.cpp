// The web backend: the platform contract on Emscripten's html5.h and WebGL 2, in a browser page.
//
// Implements:
//  [x] window class and one window at a time (its handles, device context, pixel format and message
//      queue as every one-window backend has them: emulated/OneWindow.cpp): each window is a new
//      canvas element (id "canvas")
//      of the asked size, so a rebuilt window gets a fresh WebGL context; WM_SIZE with that size
//      is sent to the class's procedure while the window is created
//  [x] full screen as the browser's full screen over the whole page, the picture scaled by the page
//      with its aspect kept, black around it; granted for any size, and the page stays as it is
//      where the browser refuses (no click to allow it)
//  [x] a WebGL 2 context (no alpha, depth, no antialiasing, the drawing buffer preserved) with the
//      fixed-function layer's own state beside it, made current with it; made with the canvas
//      and current while the first WM_SIZE sets GL up, since WebGL takes no call without one
//  [x] a browser that gives no WebGL 2 context: the page says so beside the window code's own
//      message, and window.tarvo reports the failure and the exit code
//  [x] keys as Windows virtual-key codes from the keys' physical positions, Alt and F10 as system
//      keys, a quick tap held down for one presented frame at least (WebMessages.cpp, WebKeys.cpp,
//      InputQueue.cpp)
//  [x] message boxes in the page, waiting for a button (WebMessages.cpp)
//  [x] audio output: stereo signed 16-bit rendered between frames, ahead of a Web Audio worklet
//      that plays it (WebAudio.cpp, page-sound.js, audio-output.js)
//  [x] the counter at 1 GHz from the page's clock, which follows the music as heard while it plays
//      and the browser's clock otherwise; in deterministic mode (#at=T) a virtual one that moves
//      by exactly one frame per presented frame, as the headless backend's does
//  [x] presenting yields to the browser once per frame: until the next animation frame, or in
//      deterministic mode at once; the frame at or after T is held there
//  [x] embedded resources
// Lacks:
//  [ ] several windows at once; pixel formats other than the one above (its index is always 1)
//  [ ] the swap interval (the browser paces frames by the display), display modes, window icons
//  [ ] WM_ACTIVATE, WM_CLOSE (a tab closes without asking), character messages, the mouse
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/WindowMessages.h"
#include "platform/fixedgl/FixedGLContext.h"
#include "platform/emulated/OneWindow.h"
#include "platform/emulated/Windowing.h"
#include "platform/web/WebState.h"
#include "resources/EmbeddedResources.h"

namespace {

// A WebGL context and the fixed-function state that goes with it.
struct WebContext {
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE gl;
    fixedgl::State* state;
};

struct OpenWindow {
    int width = 0;
    int height = 0;
    // The canvas's context until createGLContext hands it out: made with the window, because the
    // window procedure sets up GL when the first size arrives and WebGL, unlike a desktop driver,
    // cannot take GL calls with no context current.
    WebContext* unclaimedContext = nullptr;
};

emulated::WindowClass windowClass;
OpenWindow theWindow;
// Any non-null value stands for the one window; the device handle is the window handle.
platform::WindowHandle const theHandle = reinterpret_cast<platform::WindowHandle>(&theWindow);

int64_t framesPresented = 0;
double runStartMs = -1;  // the page's clock where the run's timeline starts

WebContext* createContext() {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_TRUE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    // The frame is presented by a blit; keeping the canvas makes every frame readable as shown.
    attributes.preserveDrawingBuffer = EM_TRUE;
    attributes.majorVersion = 2;
    attributes.minorVersion = 0;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE gl = emscripten_webgl_create_context("#canvas", &attributes);
    if (gl <= 0) return nullptr;
    return new WebContext{gl, fixedgl::createState()};
}

bool makeContextCurrent(const WebContext* context) {
    if (context == nullptr) {
        fixedgl::makeStateCurrent(nullptr);
        return emscripten_webgl_make_context_current(0) == EMSCRIPTEN_RESULT_SUCCESS;
    }
    if (emscripten_webgl_make_context_current(context->gl) != EMSCRIPTEN_RESULT_SUCCESS) return false;
    fixedgl::makeStateCurrent(context->state);
    return true;
}

bool deleteContext(WebContext* context) {
    fixedgl::deleteState(context->state);
    const bool deleted = emscripten_webgl_destroy_context(context->gl) == EMSCRIPTEN_RESULT_SUCCESS;
    delete context;
    return deleted;
}

// clang-format off
EM_JS(void, pageCreateCanvas, (int width, int height, bool fullScreen), {
    TarvoPage.createCanvas(width, height, fullScreen);
});
EM_JS(void, pageRemoveCanvas, (), { TarvoPage.removeCanvas(); });
EM_JS(void, pageNoWebGL, (), { TarvoPage.noWebGL(); });
EM_JS(void, pageShowCursor, (bool visible), { TarvoPage.showCursor(visible); });
EM_JS(void, pagePresented, (double frames, int timelineMs, bool held), {
    TarvoPage.presented(frames, timelineMs, held);
});
EM_ASYNC_JS(void, pageNextFrame, (bool atOnce), { await TarvoPage.nextFrame(atOnce); });
EM_ASYNC_JS(void, pageWaitForever, (), { await new Promise(() => {}); });
EM_JS(void, pageExit, (int exitCode), { TarvoPage.exited(exitCode); });
EM_JS(double, pageClock, (), { return TarvoSound.clockMs(); });
// clang-format on

}  // namespace

namespace web {

void beginRun() {
    framesPresented = 0;
    runStartMs = -1;
    input().clear();
}

void startRunClock() {
    if (runStartMs < 0) runStartMs = pageClock();
}

}  // namespace web

namespace platform {

// --- display, window class, display mode, cursor ------------------------------------------

// The page is the display: there always is one.
bool openDisplay(const char*& reason) {
    (void)reason;
    return true;
}

// The browser's full screen is the only kind, and it paces frames itself.
void setDisplayChoices(const DisplayChoices& choices) { (void)choices; }

bool registerWindowClass(const char* className, WindowProc proc, int iconResourceId) {
    (void)iconResourceId;
    return windowClass.registerClass(className, proc);
}

bool unregisterWindowClass(const char* className) { return windowClass.unregisterClass(className); }

// The browser's full screen leaves the display's mode alone and takes a frame of any size.
bool changeDisplayMode(int width, int height, int bitsPerPixel) {
    (void)width;
    (void)height;
    (void)bitsPerPixel;
    return true;
}

void restoreDisplayMode() {}

void showCursor(bool visible) { pageShowCursor(visible); }

// --- window, device context, pixel format, GL context --------------------------------------

WindowHandle createWindow(const char* className, const char* title, WindowMode mode, int x, int y,
                          int width, int height) {
    (void)x;
    (void)y;
    const WindowProc proc = windowClass.procFor(className);
    if (proc == nullptr || emulated::openWindow() != nullptr || width <= 0 || height <= 0) return nullptr;
    emscripten_set_window_title(title);
    pageCreateCanvas(width, height, mode == WindowMode::FullScreen);
    WebContext* context = createContext();
    if (context == nullptr || !makeContextCurrent(context)) {
        if (context != nullptr) deleteContext(context);
        else pageNoWebGL();
        pageRemoveCanvas();
        return nullptr;
    }
    web::listenToKeys();
    theWindow = {width, height, context};
    emulated::windowOpened(theHandle, proc);
    proc(theHandle, WM_SIZE, 0, sizeParam(width, height));
    return theHandle;
}

bool destroyWindow(WindowHandle window) {
    if (!emulated::isOpenWindow(window)) return false;
    if (theWindow.unclaimedContext != nullptr) {
        makeContextCurrent(nullptr);
        deleteContext(theWindow.unclaimedContext);
    }
    pageRemoveCanvas();
    emulated::windowClosed();
    theWindow = {};
    web::input().clear();
    return true;
}

// The canvas is on the page from its creation; keys come from the whole page.
void showWindow(WindowHandle window) { (void)window; }

// A canvas has one WebGL context: the one made with the window, handed out once.
ContextHandle createGLContext(DeviceHandle device) {
    if (!emulated::isOpenDevice(device)) return nullptr;
    WebContext* context = theWindow.unclaimedContext;
    theWindow.unclaimedContext = nullptr;
    return reinterpret_cast<ContextHandle>(context);
}

bool makeCurrent(DeviceHandle device, ContextHandle context) {
    if (context != nullptr && !emulated::isOpenDevice(device)) return false;
    return makeContextCurrent(reinterpret_cast<const WebContext*>(context));
}

bool deleteGLContext(ContextHandle context) {
    return context != nullptr && deleteContext(reinterpret_cast<WebContext*>(context));
}

// The browser shows what was drawn once control goes back to it: here, once per frame.
int swapBuffers(DeviceHandle device) {
    if (!emulated::isOpenDevice(device)) return 0;
    const web::PageOptions& options = web::pageOptions();
    web::startRunClock();
    const int32_t timelineMs = options.deterministic
                                   ? web::frameTimeMs(framesPresented, options.fps)
                                   : options.startMs + static_cast<int32_t>(std::lround(pageClock() - runStartMs));
    ++framesPresented;
    web::input().framePresented();
    web::topUpAudio();
    const bool held = options.deterministic && timelineMs >= options.atMs;
    pagePresented(static_cast<double>(framesPresented), timelineMs, held);
    if (held) pageWaitForever();
    pageNextFrame(options.deterministic);
    return 1;
}

// The canvas keeps the asked size in pixels; the page scales it for full screen.
void drawableSize(DeviceHandle device, int& width, int& height) {
    if (!emulated::isOpenDevice(device)) return;
    width = theWindow.width;
    height = theWindow.height;
}

void* glProcAddress(const char* name) { return emscripten_webgl_get_proc_address(name); }

// --- process, counter, resources -----------------------------------------------------------

// The page ends on its closing screen; the runtime stays for the page's script.
void exitProcess(int exitCode) {
    std::fflush(nullptr);
    pageExit(exitCode);
    pageWaitForever();
    std::abort();  // never reached: the wait does not end
}

int64_t counterFrequency() { return web::ticksPerSecond; }

int64_t counterValue() {
    const web::PageOptions& options = web::pageOptions();
    if (options.deterministic) return web::frameTick(framesPresented, options.fps);
    return static_cast<int64_t>(std::llround(pageClock() * (web::ticksPerSecond / 1000)));
}

ResourceBytes findResource(int id) { return resources::findEmbedded(id); }

}  // namespace platform
