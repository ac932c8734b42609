#include "scenes/FlaresScene.h"

#include <gtest/gtest.h>

#include "platform/TextureRegistry.h"
#include "scenes/SceneRandom.h"

namespace {

// The generator is shared, so the draws a scene takes decide what every later scene draws; a
// remainder of 0 must give the slowest spin, not a division by zero.
TEST(FlaresScene, TakesOneDrawPerFlareAndSpinsEveryFlareAtAFiniteSpeed) {
    TextureRegistry registry;
    FlaresScene scene;
    scene.textures = &registry;
    scenerandom::restart();
    ASSERT_TRUE(scene.init(0));
    const int next = scenerandom::next();
    scenerandom::restart();
    for (int n = 0; n < FlaresScene::flareCount; ++n) scenerandom::next();
    EXPECT_EQ(next, scenerandom::next());

    EXPECT_EQ(FlaresScene::data.spinSpeed[3], 0.01f);  // the fourth draw, 26500, leaves no remainder
    for (float speed : FlaresScene::data.spinSpeed) {
        EXPECT_GE(speed, 0.01f);
        EXPECT_LE(speed, 1.0f);
    }
}

}  // namespace
