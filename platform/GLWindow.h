#pragma once
// The demo's one window and its OpenGL context: created full screen or windowed, shown with the
// default GL state every scene starts from, presented frame by frame, torn down in a fixed order.
// Every failure is shown to the user in a message box with a fixed text.
#include <cstdint>

#include "platform/FramePresenter.h"
#include "platform/Platform.h"

class GLWindow {
public:
    static constexpr const char* className = "OpenGL";
    static constexpr int iconResourceId = 143;

    GLWindow();
    virtual ~GLWindow();
    GLWindow(const GLWindow&) = delete;
    GLWindow& operator=(const GLWindow&) = delete;

    virtual bool create(const char* title, int32_t width, int32_t height, int32_t bits, bool fullscreen);
    virtual bool start();
    virtual void destroy();
    virtual void resize();
    // The member form of the window procedure; nothing in the demo routes messages through it.
    virtual bool handleMessage(platform::WindowHandle window, uint32_t message, uintptr_t wParam,
                               intptr_t lParam);
    virtual int swapBuffers();
    virtual bool initGL();

    // The framebuffer the scenes draw into; it still holds the previous frame after a swap.
    const FramePresenter& frame() const { return presenter; }

    platform::WindowHandle windowHandle = nullptr;
    platform::DeviceHandle deviceContext = nullptr;
    platform::ContextHandle renderContext = nullptr;
    bool fullscreen = false;
    char title[256] = {};
    uint8_t keys[256];
    int32_t width = 0;
    int32_t height = 0;

private:
    bool failCreate(const char* text);

    FramePresenter presenter;
};

// The window the window procedure works on: the one constructed last.
extern GLWindow* currentWindow;

// The procedure of the window class: keys, size, close, and the suppressed system commands.
intptr_t windowProc(platform::WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
