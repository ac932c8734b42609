#include "scenes/TestScene.h"

#include <algorithm>
#include <vector>

#include "tests/support/SceneFixture.h"

namespace {

constexpr int width = 640;
constexpr int height = 480;

class TestSceneTest : public SceneFixture<TestScene> {
protected:
    // Which pixels the teapot covers (the frame is cleared to black), bottom row first.
    std::vector<bool> silhouetteAt(int32_t t) {
        pixels = render(t).rgba;
        std::vector<bool> covered(width * height);
        for (int i = 0; i < width * height; ++i) covered[i] = pixels[i * 4] + pixels[i * 4 + 1] + pixels[i * 4 + 2] > 0;
        return covered;
    }

    std::vector<uint8_t> pixels;
};

TEST_F(TestSceneTest, AtTimeZeroTheTeapotStandsLidUpSpoutRight) {
    EXPECT_STREQ(scene.name, "Test Scene");
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
    scene.render(1000);
    EXPECT_EQ(probe::integer(GL_TEXTURE_BINDING_2D), registry.glNameOf(TestScene::textureId));
    registry.bindTexture(otherId);  // the next scene's texture must really be bound
    EXPECT_EQ(probe::integer(GL_TEXTURE_BINDING_2D), registry.glNameOf(otherId));

    for (GLenum cap : {GL_CULL_FACE, GL_AUTO_NORMAL, GL_MAP2_VERTEX_3}) EXPECT_FALSE(glIsEnabled(cap)) << cap;
    EXPECT_EQ(probe::integer(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_EQ(probe::integer(GL_MODELVIEW_STACK_DEPTH), 1);
}

}  // namespace
