#include "platform/emulated/OneWindow.h"

#include "platform/WindowMessages.h"
#include "platform/emulated/Windowing.h"

namespace {

constexpr int theOnlyPixelFormat = 1;

platform::WindowHandle openHandle = nullptr;
platform::WindowProc openProc = nullptr;
emulated::MessageQueue postedMessages;

}  // namespace

namespace emulated {

void windowOpened(platform::WindowHandle window, platform::WindowProc proc) {
    openHandle = window;
    openProc = proc;
}

void windowClosed() {
    openHandle = nullptr;
    openProc = nullptr;
}

platform::WindowHandle openWindow() { return openHandle; }

platform::WindowProc openWindowProc() { return openProc; }

bool isOpenWindow(platform::WindowHandle window) { return window != nullptr && window == openHandle; }

bool isOpenDevice(platform::DeviceHandle device) {
    return isOpenWindow(reinterpret_cast<platform::WindowHandle>(device));
}

}  // namespace emulated

namespace platform {

// The backend's windows are sized by their client areas; a window manager adds whatever frame it
// draws, and a page draws none.
Rect adjustWindowRect(Rect client, WindowMode mode) {
    (void)mode;
    return client;
}

DeviceHandle getDeviceContext(WindowHandle window) {
    return emulated::isOpenWindow(window) ? reinterpret_cast<DeviceHandle>(window) : nullptr;
}

bool releaseDeviceContext(WindowHandle window, DeviceHandle device) {
    return emulated::isOpenWindow(window) && getDeviceContext(window) == device;
}

int choosePixelFormat(DeviceHandle device, const PixelFormat& format) {
    const bool doubleBufferedRgba = (format.flags & PFD_DOUBLEBUFFER) != 0 && format.pixelType == PFD_TYPE_RGBA;
    return emulated::isOpenDevice(device) && doubleBufferedRgba ? theOnlyPixelFormat : 0;
}

bool setPixelFormat(DeviceHandle device, int index, const PixelFormat& format) {
    (void)format;
    return emulated::isOpenDevice(device) && index == theOnlyPixelFormat;
}

// The window's own framebuffer is the default one.
uint32_t windowFramebuffer(DeviceHandle device) {
    (void)device;
    return 0;
}

bool peekMessage(Message& message) { return postedMessages.take(message) || emulated::takeBackendMessage(message); }

// Character messages are not needed: the window procedure works with key codes alone.
void translateMessage(const Message& message) { (void)message; }

intptr_t dispatchMessage(const Message& message) {
    if (!emulated::isOpenWindow(message.window)) return 0;
    return openProc(message.window, message.message, message.wParam, message.lParam);
}

void postQuitMessage(int exitCode) { postedMessages.postQuit(exitCode); }

intptr_t defaultWindowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    const WindowProc proc = emulated::isOpenWindow(window) ? openProc : nullptr;
    return emulated::defaultWindowProc(proc, window, message, wParam, lParam);
}

}  // namespace platform
