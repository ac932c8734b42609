#include "scenes/ClearInWhiteScene.h"

#include "tests/support/GLCallLog.h"
#include "tests/support/SceneFixture.h"

namespace {

using ClearInWhiteSceneTest = SceneFixture<ClearInWhiteScene>;

// The scene switches no capability, binds no texture and leaves the clear colour white.
TEST_F(ClearInWhiteSceneTest, AnyLocalTimeGivesAWhiteFrameWithTheDepthBufferCleared) {
    for (int32_t t : {-1000, 0, 5000}) {
        glClearColor(0.2f, 0.4f, 0.6f, 1);
        glClearDepth(0.25);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glClearDepth(1.0);

        gllog::start();
        const probe::Pixels pixels = render(t);
        gllog::stop();
        EXPECT_TRUE(gllog::calls().empty());
        EXPECT_EQ(probe::floats(GL_COLOR_CLEAR_VALUE, 4), std::vector<float>(4, 1.0f));
        EXPECT_TRUE(pixels.all(255)) << t;
        EXPECT_TRUE(probe::depthIs(1.0f)) << t;
    }
}

}  // namespace
