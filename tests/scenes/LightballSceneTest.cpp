#include "scenes/LightballScene.h"

#include "tests/support/SceneFixture.h"

namespace {

using LightballSceneTest = SceneFixture<LightballScene>;

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
