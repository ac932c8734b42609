// The whole programme, played once on the virtual clock at 60 frames per second, compared frame by
// frame with references at chosen times; and it ends by itself with exit code 0.
#include <gtest/gtest.h>

#include <map>

#include "platform/headless/HeadlessControl.h"
#include "runtime/Programme.h"
#include "tests/support/GoldenFrame.h"

namespace {

struct Frame {
    int32_t presentedAtMs;
    int width, height;
    std::vector<uint8_t> rgba;
};

TEST(ProgrammeFrames, MatchTheReferencesAndTheProgrammeEndsByItself) {
    // Times in every stretch of the schedule, and where the scenes change.
    const std::vector<int32_t> times = {0,     5500,  20000, 30000,  42000,  50000,  62500,
                                        66000, 80000, 125000, 134000, 140000, 154000};
    headless::reset();
    Demo demo(programmeWindow.title, programmeWindow.width, programmeWindow.height, programmeWindow.bits,
              programmeWindow.fullscreen);
    scheduleProgramme(demo);
    std::map<int32_t, Frame> frames;
    int32_t lastMs = -1;
    headless::onPresent([&](int64_t) {
        lastMs = demo.timer->elapsedMs();
        for (int32_t t : times)
            if (t <= lastMs && frames.count(t) == 0) {
                const FramePresenter& frame = demo.window->frame();
                frames[t] = {lastMs, frame.width(), frame.height(), frame.readPixels()};
            }
    });
    EXPECT_EQ(demo.run(0), 0);
    headless::onPresent(nullptr);
    EXPECT_EQ(lastMs, demo.endMs - 17);  // the last frame shown comes just before the end
    for (int32_t t : times) {
        ASSERT_EQ(frames.count(t), 1u) << t;
        const Frame& frame = frames[t];
        EXPECT_LT(frame.presentedAtMs - t, 17) << t;
        EXPECT_TRUE(matchesGolden("programme-" + std::to_string(t), frame.width, frame.height, frame.rgba));
    }
}

}  // namespace
