#include "scenes/FlowerPowerScene.h"

#include <gtest/gtest.h>

#include "platform/TextureRegistry.h"
#include "scenes/SceneRandom.h"

namespace {

// Only phase 0 builds the flowers, drawing 41 numbers each from the shared generator; building
// again replaces the paths rather than adding keys to them.
TEST(FlowerPowerScene, OnlyPhaseZeroBuildsThePathsAndABuildReplacesThem) {
    TextureRegistry registry;
    FlowerPowerScene scene;
    scene.textures = &registry;
    ASSERT_TRUE(scene.init(0));
    scenerandom::restart();
    const int first = scenerandom::next();
    scenerandom::restart();
    ASSERT_TRUE(scene.init(2));
    EXPECT_EQ(scenerandom::next(), first);

    scenerandom::restart();
    ASSERT_TRUE(scene.init(0));
    for (const SplinePath& path : FlowerPowerScene::data.paths)
        ASSERT_EQ(path.keys.count, FlowerPowerScene::keysPerPath);
    const int next = scenerandom::next();
    scenerandom::restart();
    for (int n = 0; n < FlowerPowerScene::flowerCount * 41; ++n) scenerandom::next();
    EXPECT_EQ(next, scenerandom::next());
    EXPECT_FLOAT_EQ(FlowerPowerScene::data.paths[0].keyAt(0)->position.y, 1.7f);  // 18467 % 100 = 67
}

}  // namespace
