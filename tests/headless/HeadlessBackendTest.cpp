// Headless windows, message queue, message boxes, failing steps and reset.
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "HeadlessFixture.h"

namespace {

using namespace platform;

using HeadlessWindows = HeadlessFixture;

TEST_F(HeadlessWindows, WindowedFrameIsAddedAndRemovedSoTheClientAreaIsAsAsked) {
    const Rect fullScreen = adjustWindowRect({0, 0, 640, 480}, WindowMode::FullScreen);
    EXPECT_EQ(fullScreen.right - fullScreen.left, 640);
    EXPECT_EQ(fullScreen.bottom - fullScreen.top, 480);

    const WindowHandle window = openWindow(640, 480);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(headless::calls().back(), "createWindow Windowed 656x519");
    // The size notification comes from inside createWindow, before anything is dispatched.
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(std::tie(received[0].window, received[0].message, received[0].lParam),
              std::make_tuple(window, WM_SIZE, sizeParam(640, 480)));
    const headless::WindowRecord record = headless::openWindows().at(0);
    EXPECT_EQ(std::make_pair(record.clientWidth, record.clientHeight), std::make_pair(640, 480));
}

TEST_F(HeadlessWindows, ScriptedInputArrivesAtItsFrameInOrderAfterPostedMessages) {
    const WindowHandle window = openWindow(640, 480);
    received.clear();
    headless::scriptKey(2, VK_ESCAPE, true);
    headless::scriptKey(1, 'A', true);
    headless::scriptResize(1, 800, 600);
    headless::scriptKey(1, 'A', false);

    Message message{};
    EXPECT_FALSE(peekMessage(message));
    headless::advanceClock(1);
    postQuitMessage(0);
    const std::vector<std::pair<uint32_t, uintptr_t>> expected{
        {WM_QUIT, 0}, {WM_KEYDOWN, 'A'}, {WM_SIZE, 0}, {WM_KEYUP, 'A'}};
    for (const auto& [kind, wParam] : expected) {
        ASSERT_TRUE(peekMessage(message));
        EXPECT_EQ(message.message, kind);
        EXPECT_EQ(message.wParam, wParam);
        EXPECT_EQ(message.window, kind == WM_QUIT ? nullptr : window);
    }
    EXPECT_EQ(headless::openWindows().at(0).clientWidth, 800);
    EXPECT_FALSE(peekMessage(message));
    headless::advanceClock(1);
    ASSERT_TRUE(peekMessage(message));
    EXPECT_EQ(message.wParam, static_cast<uintptr_t>(VK_ESCAPE));
    EXPECT_TRUE(received.empty()) << "peekMessage must not dispatch";
}

TEST_F(HeadlessWindows, AltF4BecomesACloseRequestThroughDefaultProcessing) {
    openWindow(640, 480);
    received.clear();
    headless::scriptSystemKey(0, VK_F4, true);
    Message message{};
    ASSERT_TRUE(peekMessage(message));
    EXPECT_EQ(message.message, WM_SYSKEYDOWN);
    dispatchMessage(message);

    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[1].message, WM_SYSCOMMAND);
    EXPECT_EQ(received[1].wParam, SC_CLOSE);
    EXPECT_EQ(received[2].message, WM_CLOSE);
    ASSERT_TRUE(peekMessage(message));
    EXPECT_EQ(message.message, WM_QUIT);
}

TEST_F(HeadlessWindows, MessageBoxesAreRecordedAndAnsweredFromTheScript) {
    headless::queueMessageBoxAnswer(IDYES);
    testing::internal::CaptureStderr();
    EXPECT_EQ(messageBox("Use Windowed Mode Instead?", "ERROR", MB_YESNO | MB_ICONEXCLAMATION), IDYES);
    EXPECT_EQ(messageBox("Again?", "ERROR", MB_YESNO), IDNO);
    EXPECT_EQ(messageBox("Window Creation Error.", "ERROR", MB_OK | MB_ICONEXCLAMATION), IDOK);
    const std::string printed = testing::internal::GetCapturedStderr();

    EXPECT_NE(printed.find("message box [ERROR]: Window Creation Error.\n"), std::string::npos);
    // The records' texts, styles and answers are read back by the window tests.
    EXPECT_EQ(headless::messageBoxes().size(), 3u);
    EXPECT_EQ(headless::calls().back(), "messageBox [ERROR]: Window Creation Error.");
}

TEST(HeadlessProcess, ExitProcessEndsWithItsCode) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // GL may already have started threads
    EXPECT_EXIT(exitProcess(3), testing::ExitedWithCode(3), "");
}

}  // namespace
