#include "platform/GLStateCache.h"

#include "platform/GL.h"
#include "tests/support/GLCallLog.h"
#include "tests/support/HeadlessWindow.h"

namespace {

using Calls = std::vector<std::string>;

class GLStateCacheTest : public HeadlessWindowTest {
protected:
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        openWindow();
        resetCaps();
        gllog::start();
    }
    void TearDown() override {
        gllog::stop();
        HeadlessWindowTest::TearDown();
    }
};

TEST_F(GLStateCacheTest, OnlyChangesReachGL) {
    disableCap(GL_BLEND);
    disableCap(GL_BLEND);
    enableCap(GL_TEXTURE_2D);
    enableCap(GL_TEXTURE_2D);
    enableCap(GL_LIGHTING);
    disableCap(GL_LIGHTING);
    enableCap(GL_LIGHTING);
    EXPECT_EQ(gllog::calls(), (Calls{"glDisable 0x0BE2", "glEnable 0x0DE1", "glEnable 0x0B50", "glDisable 0x0B50",
                                     "glEnable 0x0B50"}));
    EXPECT_EQ(glStateCache.count, 3);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST_F(GLStateCacheTest, ResetForgetsSoTheNextSwitchReachesGL) {
    enableCap(GL_BLEND);
    resetCaps();
    EXPECT_EQ(glStateCache.count, 0);
    enableCap(GL_BLEND);
    EXPECT_EQ(gllog::calls(), (Calls{"glEnable 0x0BE2", "glEnable 0x0BE2"}));
    EXPECT_EQ(glStateCache.count, 1);
}

TEST_F(GLStateCacheTest, AFullTableStillSwitchesWithoutWritingPastIt) {
    // Fill the table with values no test switches.
    for (int32_t i = 0; i < GLStateCache::capacity; ++i) glStateCache.entries[i] = {0x10000 + i, 1};
    glStateCache.count = GLStateCache::capacity;
    disableCap(GL_BLEND);
    disableCap(GL_BLEND);
    EXPECT_EQ(glStateCache.count, GLStateCache::capacity);
    EXPECT_EQ(gllog::calls(), (Calls{"glDisable 0x0BE2", "glDisable 0x0BE2"}));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    resetCaps();
}

}  // namespace
