#include "scenes/SceneRandom.h"

#include <gtest/gtest.h>

namespace {

TEST(SceneRandom, DrawsTheSequenceOfTheUnseededCLibraryGenerator) {
    scenerandom::restart();
    EXPECT_EQ(scenerandom::next(), 41);
    EXPECT_EQ(scenerandom::next(), 18467);
    EXPECT_EQ(scenerandom::next(), 6334);
    EXPECT_EQ(scenerandom::next(), 26500);
    scenerandom::restart();
    EXPECT_EQ(scenerandom::next() % 100, 41);
}

}  // namespace
