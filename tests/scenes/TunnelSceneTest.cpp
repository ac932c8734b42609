#include "scenes/TunnelScene.h"

#include "tests/support/SceneFixture.h"

namespace {

using TunnelSceneTest = SceneFixture<TunnelScene>;

TEST_F(TunnelSceneTest, ItLeavesTheStateTheLaterScenesStartFrom) {
    scene.render(1000);
    for (GLenum cap : {GL_TEXTURE_2D, GL_DEPTH_TEST, GL_BLEND, GL_LIGHTING}) EXPECT_FALSE(glIsEnabled(cap)) << cap;
    EXPECT_EQ(probe::integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(probe::integer(GL_TEXTURE_BINDING_2D), registry.glNameOf(TunnelScene::textureId));
    EXPECT_EQ(probe::floats(GL_LINE_WIDTH, 1), std::vector<float>{1.0f});
}

}  // namespace
