#pragma once
// The one contract between the engine and the machine it runs on.
//
// The engine (runtime/, platform/, scenes/) reaches the operating system only through the
// functions below; it never includes a system or SDL header. The calls follow the Win32 calls the
// window code was written against, one to one, so the win32 backend is a thin layer and every
// other backend states what each call means for it.
//
// A port must implement, in a folder of its own (platform/sdl, platform/headless, ...):
//   - window class, display mode, cursor, window, device context, pixel format, GL context,
//     buffer swap and GL entry-point lookup;
//   - message boxes;
//   - the thread's message queue: peek, translate, dispatch, post quit, default processing;
//   - the high-resolution counter;
//   - resource lookup by numeric id;
//   - audio output pulled through a callback, with the latency it adds.
// All calls are made from the thread that runs the demo.
#include <cstddef>
#include <cstdint>

namespace platform {

struct OpaqueWindow;
struct OpaqueDevice;
struct OpaqueContext;
using WindowHandle = OpaqueWindow*;
using DeviceHandle = OpaqueDevice*;
using ContextHandle = OpaqueContext*;

// The window procedure: called for every message sent or dispatched to a window of the class.
using WindowProc = intptr_t (*)(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);

enum class WindowMode { FullScreen, Windowed };

// How a full-screen window covers the screen. DisplayMode switches the display to the size asked;
// Desktop leaves the monitor's mode alone and covers the whole desktop with a borderless window,
// while the engine still sees a client of the size it asked for and the frame is scaled into the
// window when presented.
enum class FullScreenKind { DisplayMode, Desktop };

// The swap interval of the GL contexts: the driver's own setting, or presenting tied to the
// monitor's refresh (On) or not (Off).
enum class VSync { DriverDefault, On, Off };

// The viewer's choices for every window of the process; set before the first window.
struct DisplayChoices {
    FullScreenKind fullScreen;
    VSync vsync;
};

struct Rect {
    int32_t left, top, right, bottom;
};

// The members of a Win32 pixel format descriptor that the window code sets; the rest are zero.
struct PixelFormat {
    uint16_t size;
    uint16_t version;
    uint32_t flags;
    uint8_t pixelType;
    uint8_t colorBits;
    uint8_t depthBits;
    uint8_t layerType;
};

struct Message {
    WindowHandle window;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
};

struct ResourceBytes {
    const uint8_t* data;  // none when no resource has the id
    size_t size;
};

// Fills frameCount stereo frames (interleaved signed 16-bit) at the rate the output was opened with.
using AudioRender = void (*)(void* user, int16_t* frames, int frameCount);

// --- display, window class, display mode, cursor ------------------------------------------
// Connects to the display the windows go on; false, with the reason in `reason`, when there is none.
bool openDisplay(const char*& reason);
void setDisplayChoices(const DisplayChoices& choices);
bool registerWindowClass(const char* className, WindowProc proc, int iconResourceId);
bool unregisterWindowClass(const char* className);
// Switches the display to width x height at bitsPerPixel for a full-screen window; false when the
// mode cannot be had. For FullScreenKind::Desktop it changes nothing and grants any size.
bool changeDisplayMode(int width, int height, int bitsPerPixel);
void restoreDisplayMode();
void showCursor(bool visible);

// --- window, device context, pixel format, GL context --------------------------------------
// The outer rectangle of a window of this mode whose client area is `client`.
Rect adjustWindowRect(Rect client, WindowMode mode);
// Creates the window hidden at (x, y) with the given outer size; none on failure.
WindowHandle createWindow(const char* className, const char* title, WindowMode mode, int x, int y,
                          int width, int height);
bool destroyWindow(WindowHandle window);
// Shows the window and gives it the foreground and the keyboard focus.
void showWindow(WindowHandle window);
DeviceHandle getDeviceContext(WindowHandle window);
bool releaseDeviceContext(WindowHandle window, DeviceHandle device);
// Index (from 1) of the closest format to `format`; 0 when none fits.
int choosePixelFormat(DeviceHandle device, const PixelFormat& format);
bool setPixelFormat(DeviceHandle device, int index, const PixelFormat& format);
ContextHandle createGLContext(DeviceHandle device);
// Makes the context current on this thread; (none, none) leaves no context current.
bool makeCurrent(DeviceHandle device, ContextHandle context);
bool deleteGLContext(ContextHandle context);
// Presents the window's back buffer; nonzero on success.
int swapBuffers(DeviceHandle device);
// The GL framebuffer name that shows in the window (0 for a real window system framebuffer).
uint32_t windowFramebuffer(DeviceHandle device);
// The size in pixels of that framebuffer, which may be larger than the client size the engine
// knows (a desktop full-screen window, a high-density display).
void drawableSize(DeviceHandle device, int& width, int& height);
// Address of a GL entry point beyond OpenGL 1.1, none when the driver lacks it.
void* glProcAddress(const char* name);
// The same, typed: sets `function` and says whether the driver has it.
template <typename F>
bool findGLFunction(F& function, const char* name) {
    function = reinterpret_cast<F>(glProcAddress(name));
    return function != nullptr;
}

// --- message boxes ----------------------------------------------------------------------------
// Modal, without owner window. `style` takes the Win32 MB_* values; the result is IDOK/IDYES/IDNO.
int messageBox(const char* text, const char* caption, uint32_t style);

// --- the thread's message queue ----------------------------------------------------------------
// Takes the next message for any window of this thread, removing it; false when there is none.
bool peekMessage(Message& message);
void translateMessage(const Message& message);
intptr_t dispatchMessage(const Message& message);
void postQuitMessage(int exitCode);
intptr_t defaultWindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
[[noreturn]] void exitProcess(int exitCode);

// --- high-resolution counter -------------------------------------------------------------------
int64_t counterFrequency();
int64_t counterValue();

// --- resources ---------------------------------------------------------------------------------
// The bytes of the program's own resource with this id; none when there is no such resource.
ResourceBytes findResource(int id);

// --- audio output ------------------------------------------------------------------------------
// Opens the output device, paused; false when there is no device. `render` runs on a thread of the
// backend's choosing (or in step with the frames), never while the output is stopped.
bool openAudioOutput(int sampleRate, AudioRender render, void* user);
void startAudioOutput();
// After this returns `render` is not running and is not called again until the next start.
void stopAudioOutput();
// Frames the output plays before a sample rendered from now on is heard: what it holds already and
// what it renders ahead. 0 when no output is open.
int audioOutputLatencyFrames();

}  // namespace platform
