#pragma once
// A GLWindow on the headless backend, created and started for a test and torn down after it.
#include <gtest/gtest.h>

#include <memory>

#include "platform/GLWindow.h"
#include "platform/headless/HeadlessControl.h"

class HeadlessWindowTest : public ::testing::Test {
protected:
    void SetUp() override { headless::reset(); }

    void TearDown() override {
        if (window && window->renderContext != nullptr) window->destroy();
        window.reset();
        headless::reset();
    }

    // A started 640x480 windowed window.
    GLWindow& openWindow(int width = 640, int height = 480) {
        window = std::make_unique<GLWindow>();
        EXPECT_TRUE(window->create("Test", width, height, 32, false));
        EXPECT_TRUE(window->start());
        return *window;
    }

    std::unique_ptr<GLWindow> window;
};
