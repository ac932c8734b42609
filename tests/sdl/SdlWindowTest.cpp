// The sdl backend's window, GL context and message queue on a real X server (ctest runs this
// under Xvfb with a 640x480x24 screen).
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "platform/Platform.h"
#include "platform/WindowMessages.h"
#include "platform/sdl/SdlState.h"

namespace {

using namespace platform;

constexpr const char* testClass = "SdlWindowTest";

std::vector<Message> received;

intptr_t recordingProc(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    received.push_back({window, message, wParam, lParam});
    return defaultWindowProc(window, message, wParam, lParam);
}

PixelFormat doubleBufferedRgba() {
    PixelFormat format{};
    format.flags = 0x04 | 0x20 | 0x01;  // draw to window, OpenGL, double buffer
    format.colorBits = 32;
    format.depthBits = 16;
    return format;
}

class SdlWindow : public testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display; ctest runs it under Xvfb";
        received.clear();
        ASSERT_TRUE(registerWindowClass(testClass, recordingProc, 143));
    }

    void TearDown() override {
        if (IsSkipped()) return;
        if (context != nullptr) {
            makeCurrent(nullptr, nullptr);
            deleteGLContext(context);
        }
        if (window != nullptr) destroyWindow(window);
        restoreDisplayMode();
        setDisplayChoices({FullScreenKind::Desktop, VSync::DriverDefault});
        unregisterWindowClass(testClass);
        drainMessages();
    }

    void open(WindowMode mode, int width, int height) {
        window = createWindow(testClass, "SdlWindowTest", mode, 0, 0, width, height);
        ASSERT_NE(window, nullptr) << SDL_GetError();
    }

    // Opens a window with a current GL context; the device context.
    DeviceHandle openWithContext(WindowMode mode, int width, int height) {
        open(mode, width, height);
        DeviceHandle device = getDeviceContext(window);
        EXPECT_TRUE(setPixelFormat(device, choosePixelFormat(device, doubleBufferedRgba()), doubleBufferedRgba()));
        context = createGLContext(device);
        EXPECT_NE(context, nullptr) << SDL_GetError();
        EXPECT_TRUE(makeCurrent(device, context)) << SDL_GetError();
        return device;
    }

    // The next WM_SIZE the queue delivers within 5 s; 0 when none comes.
    intptr_t nextSizeParam() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline) {
            Message message{};
            if (!peekMessage(message))
                SDL_Delay(10);
            else if (message.window == window && message.message == WM_SIZE)
                return message.lParam;
        }
        return 0;
    }

    SDL_Window* sdlWindow() const { return sdl::windowOf(window); }

    void push(SDL_Event event) const { ASSERT_EQ(SDL_PushEvent(&event), 1); }

    SDL_Event keyEvent(SDL_Keycode key, uint16_t modifiers, bool pressed) const {
        SDL_Event event{};
        event.type = pressed ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.windowID = SDL_GetWindowID(sdlWindow());
        event.key.keysym.sym = key;
        event.key.keysym.mod = modifiers;
        return event;
    }

    SDL_Event windowEvent(Uint8 what, Uint32 windowId) const {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = windowId;
        event.window.event = what;
        return event;
    }

    static void drainMessages() {
        Message message;
        while (peekMessage(message)) {
        }
    }

    WindowHandle window = nullptr;
    ContextHandle context = nullptr;
};

TEST_F(SdlWindow, CreationSendsTheClientSizeBeforeReturningAndLeavesTheWindowHidden) {
    EXPECT_EQ(createWindow("NoSuchClass", "x", WindowMode::Windowed, 0, 0, 64, 64), nullptr);
    open(WindowMode::Windowed, 320, 200);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].window, window);
    EXPECT_EQ(received[0].message, WM_SIZE);
    EXPECT_EQ(received[0].lParam, sizeParam(320, 200));
    EXPECT_NE(SDL_GetWindowFlags(sdlWindow()) & SDL_WINDOW_HIDDEN, 0u);
}

TEST_F(SdlWindow, ContextIsCompatibilityProfileDoubleBufferedWithDepth) {
    open(WindowMode::Windowed, 64, 64);
    DeviceHandle device = getDeviceContext(window);
    ASSERT_NE(device, nullptr);
    PixelFormat singleBuffered = doubleBufferedRgba();
    singleBuffered.flags &= ~1u;
    EXPECT_EQ(choosePixelFormat(device, singleBuffered), 0);
    ASSERT_EQ(choosePixelFormat(device, doubleBufferedRgba()), 1);
    ASSERT_TRUE(setPixelFormat(device, 1, doubleBufferedRgba()));
    context = createGLContext(device);
    ASSERT_NE(context, nullptr) << SDL_GetError();
    ASSERT_TRUE(makeCurrent(device, context)) << SDL_GetError();

    GLboolean doubleBuffered = GL_FALSE;
    GLint redBits = 0, depthBits = 0, profile = 0;
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
    glGetIntegerv(GL_RED_BITS, &redBits);
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
    EXPECT_EQ(doubleBuffered, GL_TRUE);
    EXPECT_EQ(redBits, 8);
    EXPECT_GE(depthBits, 16);
    EXPECT_EQ(profile & GL_CONTEXT_CORE_PROFILE_BIT, 0);
    EXPECT_NE(glProcAddress("glGenFramebuffers"), nullptr);

    // Immediate mode works only outside the core profile.
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1.0f, 0.0f, 0.0f);
    glRectf(-0.5f, -0.5f, 0.5f, 0.5f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    uint8_t centre[4] = {}, corner[4] = {};
    glReadPixels(32, 32, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, centre);
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, corner);
    EXPECT_EQ(centre[0], 255);
    EXPECT_EQ(centre[2], 0);
    EXPECT_EQ(corner[0], 0);
    EXPECT_EQ(corner[2], 255);
    EXPECT_EQ(swapBuffers(device), 1);

    ASSERT_TRUE(makeCurrent(nullptr, nullptr));
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
}

TEST_F(SdlWindow, DesktopFullScreenCoversTheDesktopWhileTheEngineSeesTheSizeItAsked) {
    ASSERT_TRUE(changeDisplayMode(800, 600, 32));  // no such mode, and none is needed
    const DeviceHandle device = openWithContext(WindowMode::FullScreen, 320, 240);
    showWindow(window);
    EXPECT_EQ(SDL_GetWindowFlags(sdlWindow()) & SDL_WINDOW_FULLSCREEN_DESKTOP,
              static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP));
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received[0].lParam, sizeParam(320, 240));
    int width = 0, height = 0;
    drawableSize(device, width, height);
    EXPECT_EQ(width, 640);  // the whole Xvfb screen
    EXPECT_EQ(height, 480);
    // However the window manager sizes it, the engine keeps its own size.
    SDL_SetWindowSize(sdlWindow(), 500, 400);
    SDL_Event sized{};
    sized.type = SDL_WINDOWEVENT;
    sized.window.windowID = SDL_GetWindowID(sdlWindow());
    sized.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    push(sized);
    EXPECT_EQ(nextSizeParam(), sizeParam(320, 240));
}

TEST_F(SdlWindow, DisplayModeFullScreenNeedsAModeOfExactlyTheAskedSize) {
    setDisplayChoices({FullScreenKind::DisplayMode, VSync::DriverDefault});
    EXPECT_FALSE(changeDisplayMode(800, 600, 32));
    EXPECT_FALSE(changeDisplayMode(640, 480, 16));
    ASSERT_TRUE(changeDisplayMode(640, 480, 32));
    open(WindowMode::FullScreen, 640, 480);
    showWindow(window);
    const Uint32 flags = SDL_GetWindowFlags(sdlWindow());
    EXPECT_EQ(flags & SDL_WINDOW_FULLSCREEN_DESKTOP, static_cast<Uint32>(SDL_WINDOW_FULLSCREEN));
    EXPECT_EQ(flags & SDL_WINDOW_SHOWN, static_cast<Uint32>(SDL_WINDOW_SHOWN));
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received[0].lParam, sizeParam(640, 480));
}

TEST_F(SdlWindow, PostedMessagesComeFirstThenEventsThatMeanSomething) {
    open(WindowMode::Windowed, 64, 64);
    drainMessages();
    const Uint32 id = SDL_GetWindowID(sdlWindow());
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    push(motion);
    push(keyEvent(SDLK_F13, KMOD_NONE, true));
    push(windowEvent(SDL_WINDOWEVENT_CLOSE, id + 1000));  // another window's
    push(keyEvent(SDLK_F12, KMOD_NONE, true));
    push(windowEvent(SDL_WINDOWEVENT_CLOSE, id));
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    postQuitMessage(3);

    const Message expected[] = {
        {nullptr, WM_QUIT, 3, 0},
        {window, WM_KEYDOWN, 123, 0},
        {window, WM_CLOSE, 0, 0},
        {window, WM_CLOSE, 0, 0},
    };
    for (const Message& want : expected) {
        Message message{};
        ASSERT_TRUE(peekMessage(message));
        EXPECT_EQ(message.window, want.window);
        EXPECT_EQ(message.message, want.message);
        EXPECT_EQ(message.wParam, want.wParam);
    }
    Message message{};
    EXPECT_FALSE(peekMessage(message));
}

TEST_F(SdlWindow, ResizingTheWindowSendsTheNewSize) {
    open(WindowMode::Windowed, 320, 200);
    showWindow(window);
    drainMessages();
    SDL_SetWindowSize(sdlWindow(), 400, 300);
    EXPECT_EQ(nextSizeParam(), sizeParam(400, 300));
}

}  // namespace
