// Headless window class, display mode, cursor, windows, device contexts and pixel formats: records
// that behave like their Win32 counterparts as far as the window code can tell.
#include <algorithm>
#include <memory>
#include <string>

#include "platform/WindowMessages.h"
#include "platform/headless/HeadlessState.h"

using headless::Step;
using headless::detail::failing;
using headless::detail::findWindow;
using headless::detail::logCall;
using headless::detail::objects;
using headless::detail::windowOfDevice;

namespace {

// The frame a Win32 window of the windowed style puts around its client area.
constexpr int frameSide = 8;
constexpr int frameTop = 31;
constexpr int frameBottom = 8;

const char* modeName(platform::WindowMode mode) {
    return mode == platform::WindowMode::FullScreen ? "FullScreen" : "Windowed";
}

std::string sizeText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

}  // namespace

namespace platform {

// There is always a display: the windows are records.
bool openDisplay(const char*& reason) {
    reason = "";
    return true;
}

// Every display mode is granted and frames are never swapped to a screen: nothing to choose.
void setDisplayChoices(const DisplayChoices& choices) { (void)choices; }

bool registerWindowClass(const char* className, WindowProc proc, int iconResourceId) {
    (void)iconResourceId;  // windows without a title bar show no icon
    logCall(std::string("registerWindowClass ") + (className ? className : ""));
    return !failing(Step::RegisterClass) && objects().windowClass.registerClass(className, proc);
}

bool unregisterWindowClass(const char* className) {
    logCall(std::string("unregisterWindowClass ") + (className ? className : ""));
    return !failing(Step::UnregisterClass) && objects().windowClass.unregisterClass(className);
}

bool changeDisplayMode(int width, int height, int bitsPerPixel) {
    logCall("changeDisplayMode " + sizeText(width, height) + "x" + std::to_string(bitsPerPixel));
    return !failing(Step::ChangeDisplayMode);
}

void restoreDisplayMode() { logCall("restoreDisplayMode"); }

void showCursor(bool visible) { logCall(visible ? "showCursor 1" : "showCursor 0"); }

Rect adjustWindowRect(Rect client, WindowMode mode) {
    if (mode == WindowMode::FullScreen) return client;
    return {client.left - frameSide, client.top - frameTop, client.right + frameSide, client.bottom + frameBottom};
}

WindowHandle createWindow(const char* className, const char* title, WindowMode mode, int x, int y, int width,
                          int height) {
    (void)x;  // there is no screen to place it on
    (void)y;
    logCall(std::string("createWindow ") + modeName(mode) + " " + sizeText(width, height));
    const WindowProc proc = objects().windowClass.procFor(className);
    if (failing(Step::CreateWindow) || proc == nullptr) return nullptr;

    auto window = std::make_unique<headless::detail::Window>();
    const Rect frame = adjustWindowRect({0, 0, 0, 0}, mode);
    const int clientWidth = std::max(0, width - (frame.right - frame.left));
    const int clientHeight = std::max(0, height - (frame.bottom - frame.top));
    window->record = {className, title ? title : "", mode, clientWidth, clientHeight, false};
    window->proc = proc;
    const auto handle = reinterpret_cast<WindowHandle>(window.get());
    objects().windows.push_back(std::move(window));
    // Win32 sends the first size notification from inside the creation call.
    proc(handle, WM_SIZE, 0, sizeParam(clientWidth, clientHeight));
    return handle;
}

bool destroyWindow(WindowHandle handle) {
    logCall("destroyWindow");
    headless::detail::Window* window = findWindow(handle);
    if (failing(Step::DestroyWindow) || window == nullptr) return false;
    headless::detail::forgetWindowFramebuffer(*window);
    if (objects().currentWindow == window) objects().currentWindow = nullptr;
    auto& windows = objects().windows;
    windows.erase(std::find_if(windows.begin(), windows.end(), [&](const auto& open) { return open.get() == window; }));
    return true;
}

void showWindow(WindowHandle handle) {
    logCall("showWindow");
    if (headless::detail::Window* window = findWindow(handle)) window->record.shown = true;
}

DeviceHandle getDeviceContext(WindowHandle handle) {
    logCall("getDeviceContext");
    headless::detail::Window* window = findWindow(handle);
    if (failing(Step::GetDeviceContext) || window == nullptr) return nullptr;
    return reinterpret_cast<DeviceHandle>(&window->device);
}

bool releaseDeviceContext(WindowHandle handle, DeviceHandle device) {
    logCall("releaseDeviceContext");
    const headless::detail::Window* window = findWindow(handle);
    return !failing(Step::ReleaseDeviceContext) && window != nullptr && windowOfDevice(device) == window;
}

// One format serves every request: RGBA, double-buffered, with a 16-bit depth buffer.
int choosePixelFormat(DeviceHandle device, const PixelFormat& format) {
    (void)format;
    logCall("choosePixelFormat");
    return !failing(Step::ChoosePixelFormat) && windowOfDevice(device) != nullptr ? 1 : 0;
}

bool setPixelFormat(DeviceHandle device, int index, const PixelFormat& format) {
    logCall("setPixelFormat " + std::to_string(index));
    headless::detail::script().pixelFormat = format;
    headless::detail::Window* window = windowOfDevice(device);
    if (failing(Step::SetPixelFormat) || window == nullptr || index != 1) return false;
    window->device.pixelFormat = index;
    return true;
}

}  // namespace platform
