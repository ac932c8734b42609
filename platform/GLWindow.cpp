#include "platform/GLWindow.h"

#include <cstring>

#include "platform/GL.h"
#include "platform/WindowMessages.h"

using namespace platform;

GLWindow* currentWindow = nullptr;

namespace {

// One descriptor per process, filled in by the first create.
PixelFormat pixelFormat;
bool pixelFormatFilled = false;

void fillPixelFormat(int32_t bits) {
    if (pixelFormatFilled) return;
    pixelFormat = PixelFormat{};
    pixelFormat.size = 40;
    pixelFormat.version = 1;
    pixelFormat.flags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pixelFormat.pixelType = PFD_TYPE_RGBA;
    pixelFormat.colorBits = static_cast<uint8_t>(bits);
    pixelFormat.depthBits = 16;
    pixelFormat.layerType = PFD_MAIN_PLANE;
    pixelFormatFilled = true;
}

void errorBox(const char* text) { messageBox(text, "ERROR", MB_OK | MB_ICONEXCLAMATION); }
void shutdownErrorBox(const char* text) { messageBox(text, "SHUTDOWN ERROR", MB_OK | MB_ICONINFORMATION); }

bool isSuppressedSystemCommand(uint32_t message, uintptr_t wParam) {
    return message == WM_SYSCOMMAND && (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER);
}

// The messages the window records; both forms of the window procedure share them. Key codes
// outside the table are ignored rather than written past it.
bool recordMessage(GLWindow& window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    switch (message) {
    case WM_SIZE:
        window.width = static_cast<int32_t>(lParam & 0xFFFF);
        window.height = static_cast<int32_t>((lParam >> 16) & 0xFFFF);
        window.resize();
        return true;
    case WM_ACTIVATE:
        return true;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (wParam < sizeof window.keys) window.keys[wParam] = message == WM_KEYDOWN ? 1 : 0;
        return true;
    default:
        return isSuppressedSystemCommand(message, wParam);
    }
}

}  // namespace

GLWindow::GLWindow() {
    std::memset(keys, 0, sizeof keys);
    currentWindow = this;
}

GLWindow::~GLWindow() {
    if (currentWindow == this) currentWindow = nullptr;
}

bool GLWindow::failCreate(const char* text) {
    destroy();
    errorBox(text);
    return false;
}

bool GLWindow::create(const char* titleText, int32_t requestedWidth, int32_t requestedHeight, int32_t bits,
                      bool fullscreenWanted) {
    fullscreen = fullscreenWanted;
    if (!registerWindowClass(className, windowProc, iconResourceId)) {
        errorBox("Failed To Register The Window Class.");
        return false;
    }
    if (fullscreen && !changeDisplayMode(requestedWidth, requestedHeight, bits)) {
        if (messageBox("The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?",
                       "ERROR", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
            messageBox("Program Will Now Close.", "ERROR", MB_OK | MB_ICONSTOP);
            return false;
        }
        fullscreen = false;
    }
    const WindowMode mode = fullscreen ? WindowMode::FullScreen : WindowMode::Windowed;
    showCursor(false);
    const Rect outer = adjustWindowRect({0, 0, requestedWidth, requestedHeight}, mode);
    const char* caption = titleText != nullptr ? titleText : "";
    windowHandle = createWindow(className, caption, mode, 0, 0, outer.right - outer.left, outer.bottom - outer.top);
    if (windowHandle == nullptr) return failCreate("Window Creation Error.");
    fillPixelFormat(bits);
    deviceContext = getDeviceContext(windowHandle);
    if (deviceContext == nullptr) return failCreate("Can't Create A GL Device Context.");
    const int format = choosePixelFormat(deviceContext, pixelFormat);
    if (format == 0) return failCreate("Can't Find A Suitable PixelFormat.");
    if (!setPixelFormat(deviceContext, format, pixelFormat)) return failCreate("Can't Set The PixelFormat.");
    renderContext = createGLContext(deviceContext);
    if (renderContext == nullptr) return failCreate("Can't Create A GL Rendering Context.");
    if (!makeCurrent(deviceContext, renderContext)) return failCreate("Can't Activate The GL Rendering Context.");
    presenter.attach(deviceContext);
    // Longer titles are cut to what the field holds.
    std::strncpy(title, caption, sizeof title - 1);
    title[sizeof title - 1] = '\0';
    return true;
}

bool GLWindow::start() {
    showWindow(windowHandle);
    resize();
    if (!initGL()) {
        destroy();
        errorBox("Initialization Failed.");
        return false;
    }
    return true;
}

void GLWindow::destroy() {
    if (fullscreen) {
        restoreDisplayMode();
        showCursor(true);
    }
    if (renderContext != nullptr) {
        presenter.detach();
        if (!makeCurrent(nullptr, nullptr)) shutdownErrorBox("Release Of DC And RC Failed.");
        if (!deleteGLContext(renderContext)) shutdownErrorBox("Release Rendering Context Failed.");
        renderContext = nullptr;
    }
    if (deviceContext != nullptr) {
        if (!releaseDeviceContext(windowHandle, deviceContext)) shutdownErrorBox("Release Device Context Failed.");
        deviceContext = nullptr;
    }
    if (windowHandle != nullptr) {
        if (!destroyWindow(windowHandle)) shutdownErrorBox("Could Not Release hWnd.");
        windowHandle = nullptr;
    }
    if (!unregisterWindowClass(className)) shutdownErrorBox("Could Not Unregister Class.");
}

void GLWindow::resize() {
    if (height == 0) height = 1;
    presenter.resize(width, height);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / static_cast<double>(height), 0.1f, 90.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

bool GLWindow::handleMessage(WindowHandle, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message == WM_CLOSE) {
        destroy();
        exitProcess(0);
    }
    return recordMessage(*this, message, wParam, lParam);
}

int GLWindow::swapBuffers() { return presenter.present(); }

bool GLWindow::initGL() {
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glMateriali(GL_FRONT_AND_BACK, GL_SHININESS, 128);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return true;
}

intptr_t windowProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (currentWindow == nullptr) return defaultWindowProc(window, message, wParam, lParam);
    if (message == WM_CLOSE) {
        // The runner ends the loop and tears the window down itself.
        postQuitMessage(0);
        return 0;
    }
    if (recordMessage(*currentWindow, message, wParam, lParam)) return 0;
    return defaultWindowProc(window, message, wParam, lParam);
}
