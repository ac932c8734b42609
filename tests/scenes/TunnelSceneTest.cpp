#include "scenes/TunnelScene.h"

#include <cmath>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "tests/support/HeadlessWindow.h"

namespace {

class TunnelSceneTest : public HeadlessWindowTest {
protected:
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        openWindow();
        resetCaps();
        tunnel.textures = &registry;
        ASSERT_TRUE(tunnel.init(0));
        registry.uploadAll();
    }

    struct Projection {
        double fovDegrees;
        double farPlane;
    };
    static Projection projection() {
        GLdouble m[16];
        glGetDoublev(GL_PROJECTION_MATRIX, m);
        return {2 * std::atan(1 / m[5]) * 180 / M_PI, m[14] / (m[10] + 1)};
    }

    std::vector<float> depths() const {
        return std::vector<float>(TunnelScene::data.ringDepth, TunnelScene::data.ringDepth + TunnelScene::segmentCount);
    }

    TextureRegistry registry;
    TunnelScene tunnel;
};

TEST_F(TunnelSceneTest, InitNamesTheSceneAndBuildsNormalsThatPointAtTheAxis) {
    EXPECT_STREQ(tunnel.name, "Tunnel");
    EXPECT_NE(registry.findEntry(TunnelScene::textureId), nullptr);
    const Vec3& face1 = TunnelScene::data.faceNormals[0][0];
    EXPECT_NEAR(face1.x, -0.58779, 1e-5);
    EXPECT_NEAR(face1.y, -0.80902, 1e-5);
    EXPECT_NEAR(TunnelScene::data.faceNormals[5][2].y, 1.0, 1e-5);
}

TEST_F(TunnelSceneTest, TheFirstFrameScrollsSegmentZeroToTheFarEnd) {
    tunnel.render(0);
    const Projection p = projection();
    EXPECT_NEAR(p.fovDegrees, 45.0, 1e-4);
    EXPECT_NEAR(p.farPlane, 70.0, 1e-3);
    EXPECT_EQ(depths(), (std::vector<float>{-80, -10, -20, -30, -40, -50, -60, -70}));

    tunnel.render(5500);  // 55 units on: six segments have wrapped
    const std::vector<float> expected = {-25, -35, -45, -55, -65, -75, -5, -15};
    for (int i = 0; i < TunnelScene::segmentCount; ++i) EXPECT_NEAR(depths()[i], expected[i], 1e-3) << i;
    for (float depth : depths()) {
        EXPECT_GE(depth, -80.0f);
        EXPECT_LT(depth, 0.0f);
    }
}

TEST_F(TunnelSceneTest, TheViewWidensFrom39500AndTheLightStartsOver) {
    tunnel.render(39499);
    EXPECT_NEAR(projection().farPlane, 70.0, 1e-3);
    tunnel.render(39500);
    EXPECT_NEAR(projection().fovDegrees, 45.0, 1e-4);
    EXPECT_NEAR(projection().farPlane, 90.0, 1e-3);
    GLfloat light[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, light);  // at angle 0 in eye coordinates
    EXPECT_NEAR(light[0], 1.5f, 1e-5);
    EXPECT_NEAR(light[1], 0.0f, 1e-5);
    tunnel.render(40550);
    EXPECT_NEAR(projection().fovDegrees, 150.0, 1e-3);
    tunnel.render(64999);
    EXPECT_NEAR(projection().fovDegrees, 150.0, 1e-3);
}

TEST_F(TunnelSceneTest, TheWallsFadeAndTheOutlinesPulse) {
    EXPECT_EQ(TunnelScene::fadeAt(60000), 1.0f);
    EXPECT_NEAR(TunnelScene::fadeAt(62500), 0.5f, 1e-6);
    EXPECT_NEAR(TunnelScene::fadeAt(64999), 0.0002f, 1e-6);
    EXPECT_NEAR(TunnelScene::lineAlphaAt(1800), 1.0f / 3, 1e-6);
    EXPECT_NEAR(TunnelScene::lineAlphaAt(3600), 0.0f, 1e-6);
    EXPECT_NEAR(TunnelScene::lineAlphaAt(63000), 0.4f / 3, 1e-5);  // a peak, at fade 0.4
}

TEST_F(TunnelSceneTest, ItLeavesTheStateTheLaterScenesStartFrom) {
    tunnel.render(1000);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    GLint mode = 0, bound = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, registry.glNameOf(TunnelScene::textureId));
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1.0f);
}

}  // namespace
