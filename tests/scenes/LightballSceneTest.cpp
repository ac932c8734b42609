#include "scenes/LightballScene.h"

#include <cstdlib>
#include <utility>

#include "tests/support/SceneFixture.h"

namespace {

using L = LightballScene;

class LightballSceneTest : public SceneFixture<LightballScene> {
protected:
    // Presents a flat grey frame, then renders the scene's frame at t after it.
    probe::Pixels renderAfter(float grey, int32_t t) {
        glClearColor(grey, grey, grey, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        window->swapBuffers();
        return render(t);
    }
};

TEST_F(LightballSceneTest, InitRequestsThePictureWithoutAlphaOnce) {
    ASSERT_TRUE(scene.init(2));
    EXPECT_STREQ(scene.name, "Lightball");
    ASSERT_EQ(registry.entries.count, 1);
    EXPECT_EQ(registry.findEntry(L::textureId)->flags, 0);
}

TEST_F(LightballSceneTest, OpacityBrightnessDistanceAndPulseFollowTheClock) {
    EXPECT_EQ(L::environmentOpacityAt(10000), 1.0f);
    EXPECT_NEAR(L::environmentOpacityAt(20000), 0.6f, 1e-5);
    EXPECT_NEAR(L::environmentOpacityAt(32500), 0.1f, 1e-6);
    EXPECT_EQ(L::environmentOpacityAt(50000), 0.1f);

    EXPECT_EQ(L::brightnessAt(5000), 0.0f);
    EXPECT_NEAR(L::brightnessAt(10000), 0.5f, 1e-6);
    EXPECT_EQ(L::brightnessAt(55000), 1.0f);
    EXPECT_NEAR(L::brightnessAt(60000), 0.5f, 1e-6);
    EXPECT_EQ(L::brightnessAt(69000), 0.0f);

    EXPECT_EQ(L::formationDistanceAt(0), 30.0f);
    EXPECT_NEAR(L::formationDistanceAt(2500), 5.0f, 1e-4);
    EXPECT_EQ(L::formationDistanceAt(65000), -20.0f);
    EXPECT_NEAR(L::formationDistanceAt(69000), 20.0f, 1e-4);
    EXPECT_EQ(L::formationDistanceAt(70001), 30.0f);  // outside the schedule it stays behind the viewer

    for (int32_t t : {0, 3600, 7200}) EXPECT_NEAR(L::pulseAt(t), 0.0f, 1e-6) << t;
    for (int32_t t : {1800, 5400}) EXPECT_NEAR(L::pulseAt(t), 1.0f, 1e-6) << t;
    EXPECT_NEAR(L::pulseAt(600), 0.5f, 1e-6);
}

TEST_F(LightballSceneTest, TheLightSitsAtTheFormationsCentre) {
    for (int32_t t : {0, 30000, 67000}) {
        scene.render(t);
        GLfloat position[4], attenuation = 0;
        glGetLightfv(GL_LIGHT0, GL_POSITION, position);
        glGetLightfv(GL_LIGHT0, GL_CONSTANT_ATTENUATION, &attenuation);
        const std::vector<float> centre = {0, 0, L::formationDistanceAt(t), 1};
        EXPECT_EQ(std::vector<float>(position, position + 4), centre);
        EXPECT_EQ(attenuation, 5.0f);
    }
}

TEST_F(LightballSceneTest, TheFirstFrameIsBlackAndTheBallsGlowBy5000) {
    EXPECT_EQ(renderAfter(0.5f, 0).lit(), 0);
    const probe::Pixels arrived = renderAfter(0.0f, 5000);
    int lit = 0;
    for (size_t p = 0; p < arrived.count(); ++p) lit += arrived.rgba[4 * p] > 16;
    EXPECT_GT(lit, 10000);
}

// The trails: the sphere covers the frame presented before by its opacity only. Blending is
// linear, so over grey and over black the frames differ by the grey's share that shows through,
// wherever the balls do not saturate the picture.
TEST_F(LightballSceneTest, TheFramePresentedBeforeShowsThroughTheSphere) {
    const std::pair<int32_t, float> cases[] = {{5000, 0.0f}, {20000, 0.4f}, {40000, 0.9f}};
    for (const auto& [t, shownThrough] : cases) {
        const auto overGrey = renderAfter(0.5f, t).rgba;
        const auto overBlack = renderAfter(0.0f, t).rgba;
        const int expected = static_cast<int>(shownThrough * 128 + 0.5f);
        size_t matching = 0;
        for (size_t i = 0; i < overGrey.size(); ++i)
            matching += i % 4 == 3 || std::abs(overGrey[i] - overBlack[i] - expected) <= 2;
        EXPECT_GT(matching, overGrey.size() * 9 / 10) << "t = " << t;
    }
}

TEST_F(LightballSceneTest, ItLeavesDepthWritesOffAndTheBeamsColourAndRestoresTheMatrices) {
    const std::vector<float> projectionBefore = probe::floats(GL_PROJECTION_MATRIX);
    scene.render(60000);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_BLEND) && glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0) || glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(probe::integer(GL_DEPTH_WRITEMASK), GL_FALSE);
    EXPECT_EQ(probe::integer(GL_BLEND_DST), GL_ONE);
    EXPECT_NEAR(probe::floats(GL_CURRENT_COLOR, 4)[3], 0.05f, 1e-6);  // a tenth of the brightness, 0.5 at 60 s
    EXPECT_EQ(probe::integer(GL_PROJECTION_STACK_DEPTH), 1);
    EXPECT_EQ(probe::integer(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(probe::floats(GL_PROJECTION_MATRIX), projectionBefore);
}

}  // namespace
