#include "scenes/ClearInWhiteScene.h"

#include <algorithm>
#include <vector>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "tests/support/GLCallLog.h"
#include "tests/support/HeadlessWindow.h"

namespace {

class ClearInWhiteSceneTest : public HeadlessWindowTest {
protected:
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        openWindow();
        resetCaps();
        scene.textures = &registry;
    }

    TextureRegistry registry;
    ClearInWhiteScene scene;
};

TEST_F(ClearInWhiteSceneTest, InitNamesTheSceneInEveryPhaseAndRequestsNothing) {
    for (int32_t phase : {0, 1, 2}) {
        scene.name[0] = '\0';
        EXPECT_TRUE(scene.init(phase));
        EXPECT_STREQ(scene.name, "Clear in White");
    }
    EXPECT_EQ(registry.entries.count, 0);
}

// The scene switches no capability, binds no texture and leaves the clear colour white.
TEST_F(ClearInWhiteSceneTest, AnyLocalTimeGivesAWhiteFrameWithTheDepthBufferCleared) {
    const int width = window->frame().width(), height = window->frame().height();
    std::vector<float> depth(static_cast<size_t>(width) * height);
    for (int32_t t : {-1000, 0, 5000}) {
        glClearColor(0.2f, 0.4f, 0.6f, 1);
        glClearDepth(0.25);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glClearDepth(1.0);

        gllog::start();
        EXPECT_TRUE(scene.render(t));
        gllog::stop();
        EXPECT_TRUE(gllog::calls().empty());
        GLfloat clear[4];
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        EXPECT_EQ(std::vector<float>(clear, clear + 4), std::vector<float>(4, 1.0f));

        const std::vector<uint8_t> pixels = window->frame().readPixels();
        EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](uint8_t v) { return v == 255; })) << t;
        glReadPixels(0, 0, width, height, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
        EXPECT_TRUE(std::all_of(depth.begin(), depth.end(), [](float d) { return d == 1.0f; })) << t;
    }
}

}  // namespace
