#pragma once
// A clean headless backend with the "OpenGL" class registered to a procedure that records every
// message, answers WM_CLOSE with the quit message like the demo's window and leaves the rest to
// default processing. Windows and contexts opened through the fixture are closed after the test.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Platform.h"
#include "platform/WindowMessages.h"
#include "platform/headless/HeadlessControl.h"

class HeadlessFixture : public ::testing::Test {
protected:
    static inline std::vector<platform::Message> received;
    static inline const platform::PixelFormat format{40, 1, 0x25, 0, 32, 16, 0};

    static intptr_t recordingProc(platform::WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
        received.push_back({window, message, wParam, lParam});
        if (message != platform::WM_CLOSE) return platform::defaultWindowProc(window, message, wParam, lParam);
        platform::postQuitMessage(0);
        return 0;
    }

    void SetUp() override {
        headless::reset();
        received.clear();
        ASSERT_TRUE(platform::registerWindowClass("OpenGL", recordingProc, 0));
    }

    void TearDown() override {
        headless::reset();
        platform::makeCurrent(nullptr, nullptr);
        for (platform::ContextHandle context : contexts) platform::deleteGLContext(context);
        for (platform::WindowHandle window : windows) platform::destroyWindow(window);
        platform::unregisterWindowClass("OpenGL");
    }

    // A window whose client area is width x height.
    platform::WindowHandle openWindow(int width, int height) {
        const platform::Rect outer = platform::adjustWindowRect({0, 0, width, height}, platform::WindowMode::Windowed);
        windows.push_back(platform::createWindow("OpenGL", "Test", platform::WindowMode::Windowed, 0, 0,
                                                 outer.right - outer.left, outer.bottom - outer.top));
        return windows.back();
    }

    // The device of a new window with a GL context current on it.
    platform::DeviceHandle openGLWindow(int width, int height) {
        const platform::DeviceHandle device = platform::getDeviceContext(openWindow(width, height));
        platform::setPixelFormat(device, platform::choosePixelFormat(device, format), format);
        contexts.push_back(platform::createGLContext(device));
        return platform::makeCurrent(device, contexts.back()) ? device : nullptr;
    }

    std::vector<platform::WindowHandle> windows;
    std::vector<platform::ContextHandle> contexts;
};
