#include "scenes/TunnelScene.h"

#include <cmath>

#include "tests/support/SceneFixture.h"

namespace {

class TunnelSceneTest : public SceneFixture<TunnelScene> {
protected:
    struct Projection {
        double fovDegrees;
        double farPlane;
    };
    static Projection projection() {
        const std::vector<float> m = probe::floats(GL_PROJECTION_MATRIX);
        return {2 * std::atan(1 / m[5]) * 180 / M_PI, m[14] / (m[10] + 1)};
    }

    std::vector<float> depths() const {
        return std::vector<float>(TunnelScene::data.ringDepth, TunnelScene::data.ringDepth + TunnelScene::segmentCount);
    }
};

TEST_F(TunnelSceneTest, InitNamesTheSceneAndBuildsNormalsThatPointAtTheAxis) {
    EXPECT_STREQ(scene.name, "Tunnel");
    EXPECT_NE(registry.findEntry(TunnelScene::textureId), nullptr);
    const Vec3& face1 = TunnelScene::data.faceNormals[0][0];
    EXPECT_NEAR(face1.x, -0.58779, 1e-5);
    EXPECT_NEAR(face1.y, -0.80902, 1e-5);
    EXPECT_NEAR(TunnelScene::data.faceNormals[5][2].y, 1.0, 1e-5);
}

TEST_F(TunnelSceneTest, TheFirstFrameScrollsSegmentZeroToTheFarEnd) {
    scene.render(0);
    const Projection p = projection();
    EXPECT_NEAR(p.fovDegrees, 45.0, 1e-4);
    EXPECT_NEAR(p.farPlane, 70.0, 1e-3);
    EXPECT_EQ(depths(), (std::vector<float>{-80, -10, -20, -30, -40, -50, -60, -70}));

    scene.render(5500);  // 55 units on: six segments have wrapped
    const std::vector<float> expected = {-25, -35, -45, -55, -65, -75, -5, -15};
    for (int i = 0; i < TunnelScene::segmentCount; ++i) EXPECT_NEAR(depths()[i], expected[i], 1e-3) << i;
}

TEST_F(TunnelSceneTest, TheViewWidensFrom39500AndTheLightStartsOver) {
    scene.render(39499);
    EXPECT_NEAR(projection().farPlane, 70.0, 1e-3);
    scene.render(39500);
    EXPECT_NEAR(projection().fovDegrees, 45.0, 1e-4);
    EXPECT_NEAR(projection().farPlane, 90.0, 1e-3);
    GLfloat light[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, light);  // at angle 0 in eye coordinates
    EXPECT_NEAR(light[0], 1.5f, 1e-5);
    EXPECT_NEAR(light[1], 0.0f, 1e-5);
    scene.render(40550);
    EXPECT_NEAR(projection().fovDegrees, 150.0, 1e-3);
    scene.render(64999);
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
    scene.render(1000);
    for (GLenum cap : {GL_TEXTURE_2D, GL_DEPTH_TEST, GL_BLEND, GL_LIGHTING}) EXPECT_FALSE(glIsEnabled(cap)) << cap;
    EXPECT_EQ(probe::integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(probe::integer(GL_TEXTURE_BINDING_2D), registry.glNameOf(TunnelScene::textureId));
    EXPECT_EQ(probe::floats(GL_LINE_WIDTH, 1), std::vector<float>{1.0f});
}

}  // namespace
