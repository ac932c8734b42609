#include "scenes/CreditsScene.h"

#include "scenes/LightballScene.h"
#include "tests/support/SceneFixture.h"

namespace {

using CreditsSceneTest = SceneFixture<CreditsScene>;

// The Lightball, drawn first, leaves depth writes off; the credits must still clear the depth.
TEST_F(CreditsSceneTest, ItClearsTheDepthAfterTheLightballAndLeavesBlendingOn) {
    LightballScene lightball;
    lightball.textures = &registry;
    ASSERT_TRUE(lightball.init(0));
    registry.uploadAll();
    glClearDepth(0.5);
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    lightball.render(30000);
    scene.render(30000);
    EXPECT_TRUE(probe::depthIs(1.0f));

    EXPECT_TRUE(glIsEnabled(GL_BLEND) && glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST) || glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(probe::integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(probe::integer(GL_PROJECTION_STACK_DEPTH), 1);
}

}  // namespace
