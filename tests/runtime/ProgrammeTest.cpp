#include "runtime/Programme.h"

#include <gtest/gtest.h>

#include "platform/headless/HeadlessControl.h"

namespace {

// The golden frames show each stretch of the schedule; its end and its music show here.
TEST(Programme, EndsWithTheLastSceneAt155SecondsAndLoadsItsMusic) {
    headless::reset();
    {
        Demo demo(programmeWindow.title, 64, 48, 32, false);
        scheduleProgramme(demo);
        EXPECT_EQ(demo.endMs, 155000);
        EXPECT_TRUE(demo.musicLoaded);
        EXPECT_NE(demo.music->moduleHandle, 0u);
    }
    headless::reset();
}

}  // namespace
