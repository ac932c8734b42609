#include "platform/GLWindow.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/GL.h"
#include "platform/WindowMessages.h"
#include "tests/support/GLProbe.h"
#include "tests/support/HeadlessWindow.h"

namespace {

using namespace platform;
using Names = std::vector<std::string>;

// The contract calls made so far, without their arguments.
Names callNames() {
    Names names;
    for (const std::string& call : headless::calls()) names.push_back(call.substr(0, call.find(' ')));
    return names;
}

bool called(const std::string& call) {
    const auto& calls = headless::calls();
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

class GLWindowTest : public HeadlessWindowTest {
protected:
    bool createFullScreen() {
        window = std::make_unique<GLWindow>();
        return window->create("Tarvo", 640, 480, 32, true);
    }
    const headless::MessageBoxRecord& lastBox() { return headless::messageBoxes().back(); }
};

struct CreateFailure {
    headless::Step step;
    const char* text;
    Names tearDown;  // what runs after the failing step, in order
};

// An unregistered class has nothing to tear down: its failure is the only call after it.
TEST_F(GLWindowTest, EveryCreateFailureTearsDownThenTellsTheUser) {
    const Names fromWindow = {"restoreDisplayMode", "showCursor", "unregisterWindowClass", "messageBox"};
    const Names fromDevice = {"restoreDisplayMode", "showCursor", "destroyWindow", "unregisterWindowClass",
                              "messageBox"};
    const Names fromFormat = {"restoreDisplayMode", "showCursor", "releaseDeviceContext", "destroyWindow",
                              "unregisterWindowClass", "messageBox"};
    const Names fromContext = {"restoreDisplayMode", "showCursor", "makeCurrent", "deleteGLContext",
                               "releaseDeviceContext", "destroyWindow", "unregisterWindowClass", "messageBox"};
    const std::array<CreateFailure, 7> failures = {{
        {headless::Step::RegisterClass, "Failed To Register The Window Class.", {"registerWindowClass", "messageBox"}},
        {headless::Step::CreateWindow, "Window Creation Error.", fromWindow},
        {headless::Step::GetDeviceContext, "Can't Create A GL Device Context.", fromDevice},
        {headless::Step::ChoosePixelFormat, "Can't Find A Suitable PixelFormat.", fromFormat},
        {headless::Step::SetPixelFormat, "Can't Set The PixelFormat.", fromFormat},
        {headless::Step::CreateContext, "Can't Create A GL Rendering Context.", fromFormat},
        {headless::Step::MakeCurrent, "Can't Activate The GL Rendering Context.", fromContext},
    }};
    for (const CreateFailure& failure : failures) {
        SCOPED_TRACE(failure.text);
        headless::reset();
        headless::failStep(failure.step);
        EXPECT_FALSE(createFullScreen());
        ASSERT_EQ(headless::messageBoxes().size(), 1u);
        EXPECT_EQ(lastBox().text, failure.text);
        EXPECT_EQ(lastBox().caption, "ERROR");
        EXPECT_EQ(lastBox().style, MB_OK | MB_ICONEXCLAMATION);
        const Names names = callNames();
        ASSERT_GE(names.size(), failure.tearDown.size());
        EXPECT_EQ(Names(names.end() - failure.tearDown.size(), names.end()), failure.tearDown);
        EXPECT_EQ(window->windowHandle, nullptr);
        EXPECT_EQ(window->deviceContext, nullptr);
        EXPECT_EQ(window->renderContext, nullptr);
    }
}

TEST_F(GLWindowTest, TheFullScreenQuestionAnsweredYesGoesOnWindowed) {
    headless::failStep(headless::Step::ChangeDisplayMode);
    headless::queueMessageBoxAnswer(IDYES);
    ASSERT_TRUE(createFullScreen());
    EXPECT_EQ(lastBox().text, "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?");
    EXPECT_EQ(lastBox().style, MB_YESNO | MB_ICONEXCLAMATION);
    EXPECT_FALSE(window->fullscreen);
    EXPECT_TRUE(called("createWindow Windowed 656x519"));
    EXPECT_EQ(window->width, 640);
    EXPECT_EQ(window->height, 480);
}

TEST_F(GLWindowTest, TheFullScreenQuestionAnsweredNoClosesAndLeavesTheClass) {
    headless::failStep(headless::Step::ChangeDisplayMode);
    headless::queueMessageBoxAnswer(IDNO);
    EXPECT_FALSE(createFullScreen());
    ASSERT_EQ(headless::messageBoxes().size(), 2u);
    EXPECT_EQ(lastBox().text, "Program Will Now Close.");
    EXPECT_EQ(lastBox().style, MB_OK | MB_ICONSTOP);
    EXPECT_FALSE(called("unregisterWindowClass OpenGL"));
    EXPECT_EQ(window->windowHandle, nullptr);
    EXPECT_TRUE(unregisterWindowClass(GLWindow::className));
}

TEST_F(GLWindowTest, FullScreenUsesTheRequestedSizeAndModeWithoutAFrame) {
    ASSERT_TRUE(createFullScreen());
    EXPECT_TRUE(called("changeDisplayMode 640x480x32"));
    EXPECT_TRUE(called("createWindow FullScreen 640x480"));
    EXPECT_TRUE(window->fullscreen);
    EXPECT_STREQ(window->title, "Tarvo");
    ASSERT_TRUE(window->start());
    window->destroy();
    // Full screen gives the desktop mode and the cursor back.
    EXPECT_TRUE(called("restoreDisplayMode"));
    EXPECT_TRUE(called("showCursor 1"));
    EXPECT_TRUE(headless::messageBoxes().empty());
}

TEST_F(GLWindowTest, ShutdownFailuresAreReportedAndTheRestStillRuns) {
    openWindow();
    headless::failStep(headless::Step::ReleaseCurrent);
    headless::failStep(headless::Step::DestroyWindow);
    window->destroy();
    ASSERT_EQ(headless::messageBoxes().size(), 2u);
    EXPECT_EQ(headless::messageBoxes()[0].text, "Release Of DC And RC Failed.");
    EXPECT_EQ(headless::messageBoxes()[0].caption, "SHUTDOWN ERROR");
    EXPECT_EQ(headless::messageBoxes()[0].style, MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(headless::messageBoxes()[1].text, "Could Not Release hWnd.");
    EXPECT_TRUE(called("unregisterWindowClass OpenGL"));
    EXPECT_EQ(window->renderContext, nullptr);

    // A second destroy only repeats the class removal, which now fails.
    headless::failStep(headless::Step::ReleaseCurrent, false);
    headless::failStep(headless::Step::DestroyWindow, false);
    window->destroy();
    EXPECT_EQ(lastBox().text, "Could Not Unregister Class.");
}

TEST_F(GLWindowTest, LongTitlesAreCutToTheField) {
    const std::string longTitle(300, 'x');
    window = std::make_unique<GLWindow>();
    ASSERT_TRUE(window->create(longTitle.c_str(), 64, 48, 32, false));
    EXPECT_EQ(std::string(window->title), longTitle.substr(0, 255));
}

TEST_F(GLWindowTest, ASizeOfHeightZeroBecomesOne) {
    openWindow();
    windowProc(window->windowHandle, WM_SIZE, 0, sizeParam(320, 0));
    EXPECT_EQ(window->width, 320);
    EXPECT_EQ(window->height, 1);
    EXPECT_EQ(probe::floats(GL_VIEWPORT, 4), (std::vector<float>{0, 0, 320, 1}));
}

TEST_F(GLWindowTest, TheWindowProcedureRecordsKeysSizeAndClose) {
    openWindow();
    WindowHandle hwnd = window->windowHandle;
    EXPECT_EQ(windowProc(hwnd, WM_KEYDOWN, VK_F12, 0), 0);
    EXPECT_EQ(window->keys[VK_F12], 1);
    window->keys[VK_F12] = 0;  // the runner consumes the press ...
    windowProc(hwnd, WM_KEYDOWN, VK_F12, 0);  // ... and auto-repeat sets it again
    EXPECT_EQ(window->keys[VK_F12], 1);
    windowProc(hwnd, WM_KEYUP, VK_F12, 0);
    EXPECT_EQ(window->keys[VK_F12], 0);
    windowProc(hwnd, WM_KEYDOWN, 300, 0);  // outside the table: ignored
    EXPECT_EQ(windowProc(hwnd, WM_ACTIVATE, 1, 0), 0);
    EXPECT_EQ(windowProc(hwnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(windowProc(hwnd, WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);

    Message message{};
    EXPECT_FALSE(peekMessage(message));
    windowProc(hwnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(peekMessage(message));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_NE(window->windowHandle, nullptr);  // closing leaves the teardown to the runner
}

TEST_F(GLWindowTest, ScriptedMessagesReachTheWindowThroughDispatch) {
    openWindow();
    headless::scriptKey(0, VK_ESCAPE, true);
    headless::scriptResize(0, 800, 600);
    Message message{};
    while (peekMessage(message)) {
        translateMessage(message);
        dispatchMessage(message);
    }
    EXPECT_EQ(window->keys[VK_ESCAPE], 1);
    EXPECT_EQ(window->width, 800);
    EXPECT_EQ(window->height, 600);
    EXPECT_EQ(window->frame().width(), 800);
}

TEST_F(GLWindowTest, TheMemberFormAnswersWhetherItHandledTheMessage) {
    openWindow();
    EXPECT_TRUE(window->handleMessage(window->windowHandle, WM_KEYDOWN, 'A', 0));
    EXPECT_EQ(window->keys['A'], 1);
    EXPECT_TRUE(window->handleMessage(window->windowHandle, WM_SYSCOMMAND, SC_SCREENSAVE, 0));
    EXPECT_FALSE(window->handleMessage(window->windowHandle, WM_SYSCOMMAND, SC_CLOSE, 0));
    EXPECT_FALSE(window->handleMessage(window->windowHandle, WM_QUIT, 0, 0));
}

TEST_F(GLWindowTest, TheMemberFormEndsTheProcessOnClose) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            openWindow();
            window->handleMessage(window->windowHandle, WM_CLOSE, 0, 0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
