#include "scenes/CreditsScene.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "scenes/LightballScene.h"
#include "tests/support/HeadlessWindow.h"

namespace {

using C = CreditsScene;

class CreditsSceneTest : public HeadlessWindowTest {
protected:
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        openWindow();
        resetCaps();
        credits.textures = &registry;
        ASSERT_TRUE(credits.init(0));
        registry.uploadAll();
    }

    // Fills the depth buffer with 0.5 and the colour buffer with the clear colour, leaving the
    // clear depth at 1 for the scene.
    static void fillDepthAndColour() {
        glClearDepth(0.5);
        glDepthMask(GL_TRUE);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glClearDepth(1.0);
    }

    std::vector<uint8_t> renderOver(float blue, int32_t t) {
        glClearColor(0, 0, blue, 1);
        fillDepthAndColour();
        EXPECT_TRUE(credits.render(t));
        return window->frame().readPixels();
    }

    static bool depthIsCleared() {
        std::vector<float> depth(640 * 480);
        glReadPixels(0, 0, 640, 480, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
        return std::all_of(depth.begin(), depth.end(), [](float d) { return d == 1.0f; });
    }

    // Pixels still of the background (0, 0, 128), and the brightest red.
    static std::pair<int, int> untouchedAndBrightest(const std::vector<uint8_t>& frame) {
        int untouched = 0, brightest = 0;
        for (size_t i = 0; i < frame.size(); i += 4) {
            untouched += frame[i] == 0 && frame[i + 1] == 0 && frame[i + 2] == 128;
            brightest = std::max<int>(brightest, frame[i]);
        }
        return {untouched, brightest};
    }

    TextureRegistry registry;
    CreditsScene credits;
};

TEST_F(CreditsSceneTest, InitRequestsTheThreeCardsWithAlphaInPanelOrder) {
    ASSERT_TRUE(credits.init(1));
    EXPECT_STREQ(credits.name, "Credits");
    std::vector<int32_t> ids;
    for (PtrNode* node = registry.entries.head; node != nullptr; node = node->next) {
        const auto* entry = static_cast<const TextureEntry*>(node->data);
        ids.push_back(entry->resourceId);
        EXPECT_EQ(entry->flags, TextureRegistry::withAlpha);
    }
    EXPECT_EQ(ids, (std::vector<int32_t>{103, 105, 104}));
}

TEST_F(CreditsSceneTest, EachPanelFadesInOverTwoSecondsAndOutTenSecondsLater) {
    const std::pair<int32_t, float> fade[] = {{-10000, 0}, {0, 0},        {1000, 0.5f}, {2000, 1},
                                              {10000, 1},  {11000, 0.5f}, {12000, 0},   {20000, 0}};
    for (const C::Panel& panel : C::panels)
        for (const auto& [sinceStart, opacity] : fade)
            EXPECT_NEAR(C::opacityAt(panel, panel.startMs + sinceStart), opacity, 1e-6)
                << panel.textureId << " " << sinceStart;
    // One after another: at 30 s only the music card shows.
    EXPECT_EQ(C::opacityAt(C::panels[0], 30000) + C::opacityAt(C::panels[2], 30000), 0.0f);
    EXPECT_EQ(C::opacityAt(C::panels[1], 30000), 1.0f);

    EXPECT_NEAR(C::angleAt(C::panels[0], 11000), 2.0f, 1e-5);
    EXPECT_NEAR(C::angleAt(C::panels[2], 30000), -20.0f, 1e-5);
}

TEST_F(CreditsSceneTest, OnlyTheLetteringIsBlendedOverTheFrameAtThePanelsOpacity) {
    for (int32_t t : {0, 10000, 52000}) {  // nothing shows, yet the depth buffer is cleared
        EXPECT_EQ(untouchedAndBrightest(renderOver(0.5f, t)).first, 640 * 480) << t;
        EXPECT_TRUE(depthIsCleared()) << t;
    }
    const auto [untouched, brightest] = untouchedAndBrightest(renderOver(0.5f, 30000));
    EXPECT_GT(untouched, 640 * 480 / 2);  // the card's black is transparent
    EXPECT_GE(brightest, 250);
    const int halfWay = untouchedAndBrightest(renderOver(0, 11000)).second;
    EXPECT_NEAR(halfWay, 128, 8);
}

// The Lightball, drawn first, leaves depth writes off; the credits must still clear the depth.
TEST_F(CreditsSceneTest, ItClearsTheDepthAfterTheLightballAndLeavesBlendingOn) {
    LightballScene lightball;
    lightball.textures = &registry;
    ASSERT_TRUE(lightball.init(0));
    registry.uploadAll();
    fillDepthAndColour();
    lightball.render(30000);
    credits.render(30000);
    EXPECT_TRUE(depthIsCleared());

    EXPECT_TRUE(glIsEnabled(GL_BLEND) && glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST) || glIsEnabled(GL_LIGHTING));
    GLint destination = 0, stackDepth = 0;
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &stackDepth);
    EXPECT_EQ(stackDepth, 1);
}

}  // namespace
