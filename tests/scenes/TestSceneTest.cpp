#include "scenes/TestScene.h"

#include <algorithm>
#include <vector>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "tests/support/HeadlessWindow.h"

namespace {

constexpr int width = 640;
constexpr int height = 480;

class TestSceneTest : public HeadlessWindowTest {
protected:
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        openWindow();
        resetCaps();
        teapot.textures = &registry;
        ASSERT_TRUE(teapot.init(0));
        registry.uploadAll();
    }

    // Which pixels the teapot covers (the frame is cleared to black), bottom row first.
    std::vector<bool> silhouetteAt(int32_t t) {
        teapot.render(t);
        pixels = window->frame().readPixels();
        std::vector<bool> covered(width * height);
        for (int i = 0; i < width * height; ++i) covered[i] = pixels[i * 4] + pixels[i * 4 + 1] + pixels[i * 4 + 2] > 0;
        return covered;
    }

    TextureRegistry registry;
    TestScene teapot;
    std::vector<uint8_t> pixels;
};

TEST_F(TestSceneTest, AtTimeZeroTheTeapotStandsLidUpSpoutRight) {
    EXPECT_STREQ(teapot.name, "Test Scene");
    EXPECT_EQ(registry.findEntry(TestScene::textureId)->flags, 0);
    const std::vector<bool> covered = silhouetteAt(0);
    int top = -1, left = width, right = -1, spoutRow = -1;
    std::vector<int> rowWidth(height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!covered[y * width + x]) continue;
            top = y;
            ++rowWidth[y];
            left = std::min(left, x);
            if (x > right) {
                right = x;
                spoutRow = y;
            }
        }
    }
    // The knob's tip, 8.25 units above the centre 50 units away, is the highest point, and narrow;
    // upside down the 15-unit base would be there.
    EXPECT_NEAR(top, 335, 2);
    EXPECT_LT(rowWidth[top - 3], 60);
    EXPECT_TRUE(covered[(top - 3) * width + 320]);
    EXPECT_NEAR(right, 518, 4);  // the spout's tip, about 17 units right, above the middle
    EXPECT_GT(spoutRow, 240);
    EXPECT_NEAR(left, 146, 4);  // the handle, 15 units left
    // Textured with the purple plate, not plain white.
    const uint8_t* centre = &pixels[(240 * width + 320) * 4];
    EXPECT_GT(centre[2], centre[1] + 30);
}

TEST_F(TestSceneTest, After36SecondsTheTeapotHangsUpsideDown) {
    const TestScene::Angles angles = TestScene::anglesAt(36000);
    EXPECT_EQ(angles.x, 360.0f);
    EXPECT_EQ(angles.y, 180.0f);
    EXPECT_EQ(angles.z, 540.0f);
    // A full turn about x, then half turns about y and z: a half turn about x, which mirrors the
    // upright teapot top to bottom.
    const std::vector<bool> upright = silhouetteAt(0);
    const std::vector<bool> hanging = silhouetteAt(36000);
    int covered = 0, differing = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            covered += upright[y * width + x];
            differing += upright[y * width + x] != hanging[(height - 1 - y) * width + x];
        }
    }
    EXPECT_GT(covered, 20000);
    EXPECT_LT(differing, covered / 200);
}

TEST_F(TestSceneTest, ItBindsThroughTheRegistryAndRestoresTheTeapotsOwnState) {
    constexpr int otherId = 129;
    registry.requestTexture(otherId, 1);
    registry.uploadAll();
    registry.bindTexture(otherId);
    teapot.render(1000);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, registry.glNameOf(TestScene::textureId));
    registry.bindTexture(otherId);  // the next scene's texture must really be bound
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, registry.glNameOf(otherId));

    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_AUTO_NORMAL));
    EXPECT_FALSE(glIsEnabled(GL_MAP2_VERTEX_3));
    GLint cullFace = 0, depth = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &cullFace);
    EXPECT_EQ(cullFace, GL_BACK);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

}  // namespace
