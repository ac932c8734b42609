// The win32 backend: the platform contract on the real Win32, GDI and WGL calls, for tarvo.exe
// (32-bit, cross-built with mingw-w64; tested under wine on Xvfb).
//
// Implements:
//  [x] the window class with the executable's icon and the arrow cursor; its window procedure is
//      a trampoline to the engine's procedure, so messages reach it inside CreateWindowExA,
//      ShowWindow and DestroyWindow as well as through dispatch
//  [x] full-screen display modes through ChangeDisplaySettingsA, and the desktop mode restored;
//      or, chosen by the viewer, a popup over the whole desktop that keeps the monitor's mode
//  [x] the swap interval the viewer chose, through WGL_EXT_swap_control where the driver has it
//  [x] full-screen (popup) and windowed (overlapped) windows sized by AdjustWindowRectEx; a window
//      keeps that size where it is larger than the screen (default processing of WM_GETMINMAXINFO)
//  [x] the pixel format through ChoosePixelFormat/SetPixelFormat, WGL contexts, SwapBuffers,
//      GL entry points through wglGetProcAddress
//  [x] message boxes, the thread's message queue and default processing (Win32Messages.cpp)
//  [x] the performance counter, RCDATA resources embedded by resources/tarvo.rc
//  [x] audio output through waveOut, pulled by a thread of its own (Win32Audio.cpp)
// Lacks:
//  [ ] more than one registered window class at a time (one procedure serves the trampoline)
#include <cstddef>
#include <cstdio>

#include "platform/win32/Win32.h"

namespace {

// The engine's procedure for the registered class.
platform::WindowProc classProc = nullptr;

platform::DisplayChoices choices = {platform::FullScreenKind::DisplayMode, platform::VSync::DriverDefault};

// The outer size asked for by the latest createWindow.
SIZE createdSize = {0, 0};

// The client size a desktop full-screen window tells the engine it has (the size it asked for):
// the frame is rendered at that size and scaled over the desktop. {0, 0} for other windows.
SIZE desktopClient = {0, 0};

bool desktopFullScreen() { return choices.fullScreen == platform::FullScreenKind::Desktop; }

LRESULT CALLBACK trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (classProc == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_SIZE && desktopClient.cx > 0) lParam = MAKELPARAM(desktopClient.cx, desktopClient.cy);
    return classProc(win32::handleOf(window), message, wParam, lParam);
}

void applySwapInterval() {
    if (choices.vsync == platform::VSync::DriverDefault) return;
    using SwapInterval = BOOL(WINAPI*)(int);
    const auto setInterval = reinterpret_cast<SwapInterval>(
        reinterpret_cast<void*>(platform::glProcAddress("wglSwapIntervalEXT")));
    if (setInterval != nullptr) setInterval(choices.vsync == platform::VSync::On ? 1 : 0);
}

HINSTANCE executable() { return GetModuleHandleA(nullptr); }

struct WindowStyles {
    DWORD style;
    DWORD extended;
};

WindowStyles stylesOf(platform::WindowMode mode) {
    if (mode == platform::WindowMode::FullScreen) return {WS_POPUP, WS_EX_APPWINDOW};
    return {WS_OVERLAPPEDWINDOW, WS_EX_APPWINDOW | WS_EX_WINDOWEDGE};
}

PIXELFORMATDESCRIPTOR descriptorOf(const platform::PixelFormat& format) {
    PIXELFORMATDESCRIPTOR descriptor{};
    descriptor.nSize = format.size;
    descriptor.nVersion = format.version;
    descriptor.dwFlags = format.flags;
    descriptor.iPixelType = format.pixelType;
    descriptor.cColorBits = format.colorBits;
    descriptor.cDepthBits = format.depthBits;
    descriptor.iLayerType = format.layerType;
    return descriptor;
}

// The display-mode record without its panning fields: the older record, which every Windows takes.
constexpr WORD displayModeRecordSize = 148;
static_assert(offsetof(DEVMODEA, dmPanningWidth) == displayModeRecordSize);

}  // namespace

void win32::allowCreatedSize(MINMAXINFO& limits) {
    if (limits.ptMaxTrackSize.x < createdSize.cx) limits.ptMaxTrackSize.x = createdSize.cx;
    if (limits.ptMaxTrackSize.y < createdSize.cy) limits.ptMaxTrackSize.y = createdSize.cy;
}

namespace platform {

// --- display, window class, display mode, cursor ------------------------------------------

// A Windows session always has its desktop.
bool openDisplay(const char*& reason) {
    reason = "";
    return true;
}

void setDisplayChoices(const DisplayChoices& chosen) { choices = chosen; }

bool registerWindowClass(const char* className, WindowProc proc, int iconResourceId) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = trampoline;
    windowClass.hInstance = executable();
    windowClass.hIcon = LoadIconA(executable(), MAKEINTRESOURCEA(iconResourceId));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    if (RegisterClassA(&windowClass) == 0) return false;
    classProc = proc;
    return true;
}

bool unregisterWindowClass(const char* className) {
    if (UnregisterClassA(className, executable()) == 0) return false;
    classProc = nullptr;
    return true;
}

bool changeDisplayMode(int width, int height, int bitsPerPixel) {
    if (desktopFullScreen()) return true;
    DEVMODEA mode{};
    mode.dmSize = displayModeRecordSize;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmBitsPerPel = static_cast<DWORD>(bitsPerPixel);
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

void restoreDisplayMode() {
    if (!desktopFullScreen()) ChangeDisplaySettingsA(nullptr, 0);
}

void showCursor(bool visible) { ShowCursor(visible ? TRUE : FALSE); }

// --- window, device context, pixel format, GL context --------------------------------------

Rect adjustWindowRect(Rect client, WindowMode mode) {
    const WindowStyles styles = stylesOf(mode);
    RECT rect = {client.left, client.top, client.right, client.bottom};
    AdjustWindowRectEx(&rect, styles.style, FALSE, styles.extended);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

WindowHandle createWindow(const char* className, const char* title, WindowMode mode, int x, int y,
                          int width, int height) {
    const WindowStyles styles = stylesOf(mode);
    desktopClient = {0, 0};
    if (mode == WindowMode::FullScreen && desktopFullScreen()) {
        desktopClient = {width, height};
        width = GetSystemMetrics(SM_CXSCREEN);
        height = GetSystemMetrics(SM_CYSCREEN);
    }
    createdSize = {width, height};
    HWND window = CreateWindowExA(styles.extended, className, title, styles.style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                  x, y, width, height, nullptr, nullptr, executable(), nullptr);
    return win32::handleOf(window);
}

bool destroyWindow(WindowHandle window) { return DestroyWindow(win32::hwndOf(window)) != 0; }

void showWindow(WindowHandle window) {
    HWND hwnd = win32::hwndOf(window);
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
}

DeviceHandle getDeviceContext(WindowHandle window) {
    return reinterpret_cast<DeviceHandle>(GetDC(win32::hwndOf(window)));
}

bool releaseDeviceContext(WindowHandle window, DeviceHandle device) {
    return ReleaseDC(win32::hwndOf(window), win32::hdcOf(device)) == 1;
}

int choosePixelFormat(DeviceHandle device, const PixelFormat& format) {
    const PIXELFORMATDESCRIPTOR descriptor = descriptorOf(format);
    return ChoosePixelFormat(win32::hdcOf(device), &descriptor);
}

bool setPixelFormat(DeviceHandle device, int index, const PixelFormat& format) {
    const PIXELFORMATDESCRIPTOR descriptor = descriptorOf(format);
    return SetPixelFormat(win32::hdcOf(device), index, &descriptor) != FALSE;
}

ContextHandle createGLContext(DeviceHandle device) {
    return reinterpret_cast<ContextHandle>(wglCreateContext(win32::hdcOf(device)));
}

bool makeCurrent(DeviceHandle device, ContextHandle context) {
    if (wglMakeCurrent(win32::hdcOf(device), win32::hglrcOf(context)) == FALSE) return false;
    if (context != nullptr) applySwapInterval();
    return true;
}

bool deleteGLContext(ContextHandle context) { return wglDeleteContext(win32::hglrcOf(context)) != FALSE; }

int swapBuffers(DeviceHandle device) { return SwapBuffers(win32::hdcOf(device)); }

uint32_t windowFramebuffer(DeviceHandle device) {
    (void)device;
    return 0;
}

void drawableSize(DeviceHandle device, int& width, int& height) {
    RECT client;
    HWND window = WindowFromDC(win32::hdcOf(device));
    if (window == nullptr || !GetClientRect(window, &client)) return;
    width = client.right - client.left;
    height = client.bottom - client.top;
}

void* glProcAddress(const char* name) {
    PROC address = wglGetProcAddress(name);
    // Some drivers answer a small number or -1 instead of null for names they lack.
    const intptr_t value = reinterpret_cast<intptr_t>(address);
    if (value >= -1 && value <= 3) return nullptr;
    return reinterpret_cast<void*>(address);
}

// --- process, counter, resources -----------------------------------------------------------

void exitProcess(int exitCode) {
    std::fflush(nullptr);
    ExitProcess(static_cast<UINT>(exitCode));
}

int64_t counterFrequency() {
    LARGE_INTEGER frequency;
    return QueryPerformanceFrequency(&frequency) ? frequency.QuadPart : 0;
}

int64_t counterValue() {
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return count.QuadPart;
}

// Resource memory is read-only and stays valid for the life of the process: nothing is freed.
ResourceBytes findResource(int id) {
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_RCDATA);
    if (resource == nullptr) return {nullptr, 0};
    HGLOBAL loaded = LoadResource(nullptr, resource);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) return {nullptr, 0};
    return {static_cast<const uint8_t*>(data), SizeofResource(nullptr, resource)};
}

}  // namespace platform
