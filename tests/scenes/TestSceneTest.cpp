#include "scenes/TestScene.h"

#include "tests/support/SceneFixture.h"

namespace {

using TestSceneTest = SceneFixture<TestScene>;

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
