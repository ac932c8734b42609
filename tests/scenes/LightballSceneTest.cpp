#include "scenes/LightballScene.h"

#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "tests/support/HeadlessWindow.h"

namespace {

using L = LightballScene;

class LightballSceneTest : public HeadlessWindowTest {
protected:
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        openWindow();
        resetCaps();
        lightball.textures = &registry;
        ASSERT_TRUE(lightball.init(0));
        registry.uploadAll();
    }

    // Presents a flat grey frame, then renders the scene's frame at t after it.
    std::vector<uint8_t> renderAfter(float grey, int32_t t) {
        glClearColor(grey, grey, grey, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        window->swapBuffers();
        EXPECT_TRUE(lightball.render(t));
        return window->frame().readPixels();
    }

    TextureRegistry registry;
    LightballScene lightball;
};

TEST_F(LightballSceneTest, InitRequestsThePictureWithoutAlphaOnce) {
    ASSERT_TRUE(lightball.init(2));
    EXPECT_STREQ(lightball.name, "Lightball");
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
        lightball.render(t);
        GLfloat position[4], attenuation = 0;
        glGetLightfv(GL_LIGHT0, GL_POSITION, position);
        glGetLightfv(GL_LIGHT0, GL_CONSTANT_ATTENUATION, &attenuation);
        const std::vector<float> centre = {0, 0, L::formationDistanceAt(t), 1};
        EXPECT_EQ(std::vector<float>(position, position + 4), centre);
        EXPECT_EQ(attenuation, 5.0f);
    }
}

TEST_F(LightballSceneTest, TheFirstFrameIsBlackAndTheBallsGlowBy5000) {
    const auto first = renderAfter(0.5f, 0);
    for (size_t i = 0; i < first.size(); i += 4)
        ASSERT_EQ(first[i] | first[i + 1] | first[i + 2], 0) << "pixel " << i / 4;
    const auto arrived = renderAfter(0.0f, 5000);
    int lit = 0;
    for (size_t i = 0; i < arrived.size(); i += 4) lit += arrived[i] > 16;
    EXPECT_GT(lit, 10000);
}

// The trails: the sphere covers the frame presented before by its opacity only. Blending is
// linear, so over grey and over black the frames differ by the grey's share that shows through,
// wherever the balls do not saturate the picture.
TEST_F(LightballSceneTest, TheFramePresentedBeforeShowsThroughTheSphere) {
    const std::pair<int32_t, float> cases[] = {{5000, 0.0f}, {20000, 0.4f}, {40000, 0.9f}};
    for (const auto& [t, shownThrough] : cases) {
        const auto overGrey = renderAfter(0.5f, t);
        const auto overBlack = renderAfter(0.0f, t);
        const int expected = static_cast<int>(shownThrough * 128 + 0.5f);
        size_t matching = 0;
        for (size_t i = 0; i < overGrey.size(); ++i)
            matching += i % 4 == 3 || std::abs(overGrey[i] - overBlack[i] - expected) <= 2;
        EXPECT_GT(matching, overGrey.size() * 9 / 10) << "t = " << t;
    }
}

TEST_F(LightballSceneTest, ItLeavesDepthWritesOffAndTheBeamsColourAndRestoresTheMatrices) {
    GLfloat projectionBefore[16], projectionAfter[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projectionBefore);
    lightball.render(60000);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_BLEND) && glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0) || glIsEnabled(GL_TEXTURE_2D));
    GLboolean depthMask = GL_TRUE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
    EXPECT_EQ(depthMask, GL_FALSE);
    GLint destination = 0, stackDepth = 0;
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(destination, GL_ONE);
    GLfloat colour[4];  // a tenth of the brightness, 0.5 at 60 s
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_NEAR(colour[3], 0.05f, 1e-6);
    for (GLenum stack : {GL_PROJECTION_STACK_DEPTH, GL_MODELVIEW_STACK_DEPTH}) {
        glGetIntegerv(stack, &stackDepth);
        EXPECT_EQ(stackDepth, 1);
    }
    glGetFloatv(GL_PROJECTION_MATRIX, projectionAfter);
    EXPECT_EQ(std::vector<float>(projectionBefore, projectionBefore + 16),
              std::vector<float>(projectionAfter, projectionAfter + 16));
}

}  // namespace
