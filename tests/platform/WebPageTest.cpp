// The web backend's plain C++ parts: the browser's keys as Windows key messages, the page's
// fragment options and virtual clock, and the input queue that keeps a quick tap visible.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/WindowMessages.h"
#include "platform/headless/HeadlessControl.h"
#include "platform/web/InputQueue.h"
#include "platform/web/PageOptions.h"
#include "platform/web/WebKeys.h"
#include "runtime/FrameTimer.h"

using namespace platform;

namespace {

struct KeyCase {
    const char* code;
    int virtualKey;  // 0: not a key of the demo
};

// Readable, stable names for ctest, which names each case by its value.
void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << (c.code == nullptr ? "null" : *c.code == '\0' ? "empty" : c.code);
}

class WebKeyCode : public ::testing::TestWithParam<KeyCase> {};

TEST_P(WebKeyCode, IsTheWindowsVirtualKey) { EXPECT_EQ(web::virtualKeyOf(GetParam().code), GetParam().virtualKey); }

INSTANTIATE_TEST_SUITE_P(
    Keys, WebKeyCode,
    ::testing::Values(KeyCase{"KeyA", 'A'}, KeyCase{"KeyZ", 'Z'}, KeyCase{"Digit0", '0'}, KeyCase{"Digit9", '9'},
                      KeyCase{"F1", VK_F1}, KeyCase{"F10", VK_F10}, KeyCase{"F11", VK_F11}, KeyCase{"F12", VK_F12},
                      KeyCase{"Escape", VK_ESCAPE}, KeyCase{"Enter", VK_RETURN}, KeyCase{"NumpadEnter", VK_RETURN},
                      KeyCase{"ArrowDown", VK_DOWN}, KeyCase{"ShiftRight", VK_SHIFT}, KeyCase{"AltLeft", VK_MENU},
                      // Codes that only start like ours, and keys the demo has no code for.
                      KeyCase{"F13", 0}, KeyCase{"F0", 0}, KeyCase{"F1x", 0}, KeyCase{"Key", 0}, KeyCase{"KeyAB", 0},
                      KeyCase{"Keya", 0}, KeyCase{"Digit10", 0}, KeyCase{"Numpad5", 0}, KeyCase{"", 0},
                      KeyCase{nullptr, 0}));

struct OptionsCase {
    const char* fragment;
    bool deterministic;
    int32_t atMs;
    int32_t fps;
    bool problem;
    int32_t startMs = 0;
};

void PrintTo(const OptionsCase& c, std::ostream* out) { *out << '"' << c.fragment << '"'; }

class WebPageOptions : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(WebPageOptions, AreReadFromTheFragment) {
    const OptionsCase& c = GetParam();
    std::string problem;
    const web::PageOptions options = web::parsePageOptions(c.fragment, problem);
    EXPECT_EQ(options.deterministic, c.deterministic);
    EXPECT_EQ(options.atMs, c.atMs);
    EXPECT_EQ(options.fps, c.fps);
    EXPECT_EQ(options.startMs, c.startMs);
    EXPECT_EQ(!problem.empty(), c.problem) << problem;
}

INSTANTIATE_TEST_SUITE_P(
    Fragments, WebPageOptions,
    ::testing::Values(OptionsCase{"", false, 0, 60, false}, OptionsCase{"#", false, 0, 60, false},
                      OptionsCase{"#at=20000", true, 20000, 60, false}, OptionsCase{"at=0", true, 0, 60, false},
                      OptionsCase{"#at=500&fps=10", true, 500, 10, false},
                      OptionsCase{"#fps=25&at=500", true, 500, 25, false},
                      OptionsCase{"#debug&at=7&x=y", true, 7, 60, false},
                      // A frame rate alone changes nothing: the real-time page runs at the display's.
                      OptionsCase{"#fps=25", false, 0, 60, false},
                      OptionsCase{"#at=-5", false, 0, 60, true}, OptionsCase{"#at=1e3", false, 0, 60, true},
                      OptionsCase{"#at=", false, 0, 60, true}, OptionsCase{"#at=2147483648", false, 0, 60, true},
                      OptionsCase{"#at=100&fps=0", true, 100, 60, true},
                      OptionsCase{"#at=100&fps=ten", true, 100, 60, true},
                      // A start plays the real-time page from there; it reads numbers as `at` does.
                      OptionsCase{"#start=65000&debug", false, 0, 60, false, 65000},
                      OptionsCase{"#start=1.5", false, 0, 60, true}));

// The frame the page holds for #at=T must be the one tarvo-capture --at T writes: the page's
// virtual clock reads, through the demo's own timer, exactly as the headless backend's does.
TEST(WebPageClock, ReadsAsTheHeadlessClockDoes) {
    for (const int32_t fps : {1, 10, 24, 30, 60, 144}) {
        headless::reset();
        headless::setCounterFrequency(web::ticksPerSecond);
        headless::setFrameRate(fps, 1);
        FrameTimer timer;
        timer.reset();
        for (int64_t frame = 0; frame < 2 * fps + 3; ++frame) {
            ASSERT_EQ(web::frameTimeMs(frame, fps), timer.elapsedMs()) << frame << " at " << fps;
            ASSERT_EQ(web::frameTick(frame, fps), platform::counterValue());
            headless::advanceClock(1);
        }
    }
    headless::reset();
    EXPECT_EQ(web::frameTimeMs(155 * 60, 60), 155000);
}

Message key(uint32_t message, int virtualKey) { return {nullptr, message, static_cast<uintptr_t>(virtualKey), 0}; }

std::string takeAll(web::InputQueue& queue) {
    std::string taken;
    Message message{};
    while (queue.take(message))
        taken += (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN ? "+" : "-") +
                 std::string(1, static_cast<char>(message.wParam)) + " ";
    return taken;
}

TEST(WebInputQueue, HoldsATapDownForOnePresentedFrame) {
    web::InputQueue queue;
    // A tap of A between two frames, then B pressed and released after it.
    queue.post(key(WM_KEYDOWN, 'A'));
    queue.post(key(WM_KEYUP, 'A'));
    queue.post(key(WM_KEYDOWN, 'B'));
    EXPECT_EQ(takeAll(queue), "+A ");
    queue.framePresented();
    EXPECT_EQ(takeAll(queue), "-A +B ");
    queue.post(key(WM_SYSKEYUP, 'B'));
    EXPECT_EQ(takeAll(queue), "");
    queue.framePresented();
    EXPECT_EQ(takeAll(queue), "-B ");
    // A key held over a frame is released at once.
    queue.post(key(WM_KEYDOWN, 'C'));
    EXPECT_EQ(takeAll(queue), "+C ");
    queue.framePresented();
    queue.post(key(WM_KEYUP, 'C'));
    EXPECT_EQ(takeAll(queue), "-C ");
    // Clearing forgets both what waits and what was pressed.
    queue.post(key(WM_KEYDOWN, 'D'));
    EXPECT_EQ(takeAll(queue), "+D ");
    queue.post(key(WM_KEYUP, 'E'));
    queue.clear();
    queue.post(key(WM_KEYUP, 'D'));
    EXPECT_EQ(takeAll(queue), "-D ");
}

}  // namespace
