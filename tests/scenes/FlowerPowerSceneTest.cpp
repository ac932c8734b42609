#include "scenes/FlowerPowerScene.h"

#include <vector>

#include "tests/support/SceneFixture.h"

namespace {

FlowerPowerScene::Data& data = FlowerPowerScene::data;

using FlowerPowerSceneTest = SceneFixture<FlowerPowerScene>;

TEST_F(FlowerPowerSceneTest, EachFlowerTakes41DrawsFromTheSharedGeneratorInPhaseZeroOnly) {
    EXPECT_STREQ(scene.name, "Flower Power!");
    EXPECT_EQ(registry.findEntry(FlowerPowerScene::textureId)->flags, TextureRegistry::withAlpha);
    scenerandom::restart();
    std::vector<int> draws(FlowerPowerScene::flowerCount * 41 + 1);
    for (int& draw : draws) draw = scenerandom::next();
    scenerandom::restart();
    ASSERT_TRUE(scene.init(2));
    EXPECT_EQ(scenerandom::next(), draws[0]);  // a re-initialisation draws nothing
    scenerandom::restart();
    ASSERT_TRUE(scene.init(0));  // a second build replaces the paths rather than growing them

    for (int k = 0; k < FlowerPowerScene::flowerCount; ++k) {
        const SplinePath& path = data.paths[k];
        ASSERT_EQ(path.keys.count, FlowerPowerScene::keysPerPath);
        for (int n = 0; n < FlowerPowerScene::keysPerPath; ++n) {
            const Vec3& key = path.keyAt(n)->position;
            EXPECT_EQ(key.x, static_cast<float>(draws[k * 41 + 2 * n] % 100) * 0.1f - 5.0f) << k << " " << n;
            EXPECT_EQ(key.y, static_cast<float>(draws[k * 41 + 2 * n + 1] % 100) * 0.1f - 5.0f) << k << " " << n;
            EXPECT_EQ(key.z, -2.0f * n);
        }
        EXPECT_EQ(data.flowers[k].angle, static_cast<float>(draws[k * 41 + 40] % 360)) << k;
    }
    EXPECT_FLOAT_EQ(data.paths[0].keyAt(0)->position.y, 1.7f);  // 18467 % 100 = 67
    EXPECT_EQ(scenerandom::next(), draws.back());
}

TEST_F(FlowerPowerSceneTest, TheSkyFadesFromWhiteToDuskyBlueInTenSeconds) {
    const auto expectSky = [](const FlowerPowerScene::Colour& colour, float red, float green, float blue) {
        EXPECT_NEAR(colour.red, red, 1e-6);
        EXPECT_NEAR(colour.green, green, 1e-6);
        EXPECT_NEAR(colour.blue, blue, 1e-6);
    };
    expectSky(FlowerPowerScene::skyColourAt(0), 1, 1, 1);
    expectSky(FlowerPowerScene::skyColourAt(9000), 0.334f, 0.415f, 0.568f);
    expectSky(FlowerPowerScene::skyColourAt(10000), 0.26f, 0.35f, 0.52f);
    EXPECT_EQ(FlowerPowerScene::skyColourAt(10500).red, 0.26f);
    EXPECT_EQ(FlowerPowerScene::skyColourAt(100000).blue, 0.52f);
    scene.render(5000);
    expectSky(data.skyColour, 0.63f, 0.675f, 0.76f);
    const std::vector<float> clear = probe::floats(GL_COLOR_CLEAR_VALUE, 4);
    EXPECT_NEAR(clear[0], 0.63f, 1e-6);
    EXPECT_NEAR(clear[2], 0.76f, 1e-6);
}

TEST_F(FlowerPowerSceneTest, FlowersAreReleasedOneASecondAndFirstMoveInTheFrameAfter) {
    const float startAngle = data.flowers[1].angle;
    scene.render(0);
    scene.render(999);
    EXPECT_EQ(data.flowers[1].active, 0);
    EXPECT_FLOAT_EQ(data.flowers[0].progress, 999.0f / 50000);
    scene.render(1000);
    EXPECT_EQ(data.flowers[1].active, 1);
    EXPECT_EQ(data.flowers[1].progress, 0.0f);  // released, not yet drawn
    EXPECT_EQ(data.flowers[1].angle, startAngle);
    EXPECT_EQ(data.flowers[2].active, 0);
    scene.render(1016);
    EXPECT_FLOAT_EQ(data.flowers[1].progress, 16.0f / 50000);
    EXPECT_FLOAT_EQ(data.flowers[1].angle, 101.6f);  // every released flower spins with the scene
    EXPECT_FLOAT_EQ(data.flowers[0].angle, 101.6f);
    scene.render(50016);
    EXPECT_EQ(data.flowers[0].progress, 1.0f);  // at rest, invisible, on its last key
    EXPECT_FLOAT_EQ(data.flowers[1].progress, 49016.0f / 50000);
}

TEST_F(FlowerPowerSceneTest, AFlowerIsDrawnAtItsPathPointWithItsFade) {
    // Halfway and a millisecond along its path, flower 0 sits exactly on key 10, half faded.
    data.flowers[0].progress = 10001.0f / 20000;
    const Vec3 key = data.paths[0].keyAt(10)->position;
    scene.render(0);

    GLdouble modelview[16], projection[16], x, y, z;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const probe::Pixels pixels = frame();
    const auto pixelAt = [&](float dx) {
        EXPECT_TRUE(gluProject(key.x + dx, key.y, key.z, modelview, projection, viewport, &x, &y, &z));
        EXPECT_TRUE(x >= 0 && x < 640 && y >= 0 && y < 480);
        return pixels.at(static_cast<int>(x), static_cast<int>(y));
    };
    // The yellow heart of the daisy, half over the white sky.
    const uint8_t* heart = pixelAt(0);
    EXPECT_GT(heart[0], 200);
    EXPECT_GT(heart[1], 170);
    EXPECT_GT(heart[2], 100) << "drawn opaque";
    EXPECT_LT(heart[2], 200) << "not drawn";
    EXPECT_EQ(pixelAt(2)[2], 255);  // beside the petal square only the sky shows
}

}  // namespace
