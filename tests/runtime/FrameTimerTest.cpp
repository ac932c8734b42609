#include "runtime/FrameTimer.h"

#include <gtest/gtest.h>

#include "platform/headless/HeadlessControl.h"

namespace {

class FrameTimerTest : public ::testing::Test {
protected:
    void SetUp() override { headless::reset(); }
    void TearDown() override { headless::reset(); }

    // Elapsed milliseconds after `frames` frames at `fps` frames per second on a counter of
    // `frequency` ticks per second.
    int32_t elapsedAfter(int64_t frequency, int64_t fps, int64_t frames) {
        headless::setCounterFrequency(frequency);
        headless::setFrameRate(fps, 1);
        headless::advanceClock(3);  // the counter need not start at 0
        FrameTimer timer;
        timer.reset();
        headless::advanceClock(frames);
        return timer.elapsedMs();
    }
};

TEST_F(FrameTimerTest, CountsMillisecondsRoundedToTheNearestOnEveryCounter) {
    // One frame a second: 155 frames are 155 s, counted in ticks of each counter.
    EXPECT_EQ(elapsedAfter(3579545, 1, 155), 155000);
    EXPECT_EQ(elapsedAfter(10000000, 1, 155), 155000);
    EXPECT_EQ(elapsedAfter(1000000000, 1, 155), 155000);
    EXPECT_EQ(elapsedAfter(1000, 1000, 1500), 1500);
    EXPECT_EQ(elapsedAfter(3, 3, 1), 333);
    EXPECT_EQ(elapsedAfter(3, 3, 2), 667);
    EXPECT_EQ(elapsedAfter(3579545, 60, 1), 17);  // 16.67 ms
    EXPECT_EQ(elapsedAfter(0, 1, 10), -1);        // no frequency
}

TEST(MulDiv, RoundsHalvesAwayFromZeroAndRefusesOverflow) {
    EXPECT_EQ(mulDiv(1, 1000, 2000), 1);    // 0.5
    EXPECT_EQ(mulDiv(-1, 1000, 2000), -1);  // -0.5
    EXPECT_EQ(mulDiv(1, 1000, 2001), 0);    // 0.49975
    EXPECT_EQ(mulDiv(-3, 1000, 2000), -2);  // -1.5
    EXPECT_EQ(mulDiv(5, 1000, -2000), -3);  // -2.5
    EXPECT_EQ(mulDiv(7, 1000, 0), -1);
    EXPECT_EQ(mulDiv(2147483647, 1000, 1000), 2147483647);
    EXPECT_EQ(mulDiv(2147483648LL, 1000, 1000), -1);
    EXPECT_EQ(mulDiv(-2147483648LL, 1000, 1000), -2147483647 - 1);
    // 64-bit tick counts of a 1 GHz counter: a day still divides, 35 days no longer fit.
    EXPECT_EQ(mulDiv(86400LL * 1000000000LL, 1000, 1000000000LL), 86400000);
    EXPECT_EQ(mulDiv(3000000LL * 1000000000LL, 1000, 1000000000LL), -1);
    EXPECT_EQ(mulDiv(2000000LL * 1000000000LL + 499999, 1000, 1000000000LL), 2000000000);
}

}  // namespace
