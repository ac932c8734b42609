#include "scenes/GreetsScene.h"

#include <vector>

#include "tests/support/SceneFixture.h"

namespace {

using GreetsSceneTest = SceneFixture<GreetsScene>;

TEST_F(GreetsSceneTest, ItDrawsWithoutDepthTestOrLightingAndRestoresBothMatrices) {
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1, 2, 3);
    const std::vector<float> projection = probe::floats(GL_PROJECTION_MATRIX);
    const std::vector<float> modelview = probe::floats(GL_MODELVIEW_MATRIX);
    enableCap(GL_DEPTH_TEST);
    enableCap(GL_LIGHTING);
    scene.render(5000);

    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(probe::floats(GL_PROJECTION_MATRIX), projection);
    EXPECT_EQ(probe::floats(GL_MODELVIEW_MATRIX), modelview);
    EXPECT_EQ(probe::integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(probe::integer(GL_PROJECTION_STACK_DEPTH), 1);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
}

}  // namespace
