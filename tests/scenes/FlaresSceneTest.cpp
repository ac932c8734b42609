#include "scenes/FlaresScene.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/support/SceneFixture.h"

namespace {

class FlaresSceneTest : public SceneFixture<FlaresScene> {
protected:
    // Draws the scene at t over black with the projection the Tunnel sets when the Flares begin.
    std::vector<uint8_t> frameAt(int32_t t) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 640.0 / 480.0, 0.1, 90.0);
        glMatrixMode(GL_MODELVIEW);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        return render(t).rgba;
    }

    // The brightest value of each colour channel, and how many pixels are lit at all.
    struct Light {
        int litPixels = 0;
        uint8_t brightest[3] = {};
    };
    static Light lightIn(const std::vector<uint8_t>& rgba) {
        Light light;
        for (size_t p = 0; p < rgba.size(); p += 4) {
            if (rgba[p] > 0 || rgba[p + 1] > 0 || rgba[p + 2] > 0) ++light.litPixels;
            for (int c = 0; c < 3; ++c) light.brightest[c] = std::max(light.brightest[c], rgba[p + c]);
        }
        return light;
    }

    FlaresScene::Data& data = FlaresScene::data;
};

TEST_F(FlaresSceneTest, SpinSpeedsTakeOneDrawOfTheUnseededGeneratorPerFlare) {
    EXPECT_STREQ(scene.name, "Flares");
    // Remainders 41, 67, 34, 0, 69, 24 ...; a remainder of 0 spins at the slowest speed.
    const float first[] = {1 / 41.0f, 1 / 67.0f, 1 / 34.0f, 0.01f, 1 / 69.0f, 1 / 24.0f};
    for (int n = 0; n < 6; ++n) EXPECT_EQ(data.spinSpeed[n], first[n]) << n;
    for (int n : {156, 186, 204}) EXPECT_EQ(data.spinSpeed[n], 0.01f) << n;
    for (float speed : data.spinSpeed) {
        EXPECT_GE(speed, 0.01f);
        EXPECT_LE(speed, 1.0f);
    }

    // The generator goes on with the draw after the 216th.
    const int next = scenerandom::next();
    scenerandom::restart();
    for (int n = 0; n < FlaresScene::flareCount; ++n) scenerandom::next();
    EXPECT_EQ(next, scenerandom::next());

    // Every spin starts at 0 and stays a finite angle; equal remainders keep equal angles.
    frameAt(0);
    for (float angle : data.spinAngle) EXPECT_EQ(angle, 0.0f);
    frameAt(30499);
    for (float angle : data.spinAngle) ASSERT_TRUE(std::isfinite(angle));
    EXPECT_FLOAT_EQ(data.spinAngle[3], 304.99f);
    EXPECT_EQ(data.spinAngle[3], data.spinAngle[156]);
}

TEST_F(FlaresSceneTest, TheCubeComesFromBehindTheViewerAndStopsAtMinusFive) {
    EXPECT_EQ(lightIn(frameAt(0)).litPixels, 0);  // all 216 sprites drawn behind the viewer
    EXPECT_EQ(data.gridDistance, 12.0f);
    frameAt(8500);
    EXPECT_NEAR(data.gridDistance, 3.5f, 1e-5);

    const Light inside = lightIn(frameAt(17000));
    EXPECT_EQ(data.gridDistance, -5.0f);
    EXPECT_GT(inside.litPixels, 640 * 480 / 2);
    // Yellow light: the white spots tinted by the colour (1, 1, 0).
    EXPECT_GT(inside.brightest[0], 200);
    EXPECT_GT(inside.brightest[1], 200);
    EXPECT_EQ(inside.brightest[2], 0);
    for (int32_t t : {17001, 25000, 30499}) {
        frameAt(t);
        EXPECT_EQ(data.gridDistance, -5.0f) << t;
    }
}

TEST_F(FlaresSceneTest, TheSpritesAreAddedOnAndFadeOutOverTheLastFiveSeconds) {
    EXPECT_EQ(FlaresScene::fadeAt(25500), 1.0f);
    EXPECT_NEAR(FlaresScene::fadeAt(28000), 0.5f, 1e-6);
    EXPECT_NEAR(FlaresScene::fadeAt(30499), 0.0002f, 1e-6);

    EXPECT_LE(lightIn(frameAt(30499)).brightest[0], 1);  // near the end they add almost nothing
    EXPECT_EQ(probe::integer(GL_BLEND_DST), GL_ONE);
}

}  // namespace
