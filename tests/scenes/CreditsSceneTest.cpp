#include "scenes/CreditsScene.h"

#include <algorithm>
#include <utility>

#include "scenes/LightballScene.h"
#include "tests/support/SceneFixture.h"

namespace {

using C = CreditsScene;

class CreditsSceneTest : public SceneFixture<CreditsScene> {
protected:
    // Fills the depth buffer with 0.5 and the colour buffer with the clear colour, leaving the
    // clear depth at 1 for the scene.
    static void fillDepthAndColour() {
        glClearDepth(0.5);
        glDepthMask(GL_TRUE);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glClearDepth(1.0);
    }

    probe::Pixels renderOver(float blue, int32_t t) {
        glClearColor(0, 0, blue, 1);
        fillDepthAndColour();
        return render(t);
    }

    // Pixels still of the background (0, 0, 128), and the brightest red.
    static std::pair<int, int> untouchedAndBrightest(const probe::Pixels& frame) {
        int untouched = 0, brightest = 0;
        for (size_t p = 0; p < frame.count(); ++p) {
            const uint8_t* pixel = &frame.rgba[4 * p];
            untouched += pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 128;
            brightest = std::max<int>(brightest, pixel[0]);
        }
        return {untouched, brightest};
    }
};

TEST_F(CreditsSceneTest, InitRequestsTheThreeCardsWithAlphaInPanelOrder) {
    ASSERT_TRUE(scene.init(1));
    EXPECT_STREQ(scene.name, "Credits");
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
        EXPECT_TRUE(probe::depthIs(1.0f)) << t;
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
    scene.render(30000);
    EXPECT_TRUE(probe::depthIs(1.0f));

    EXPECT_TRUE(glIsEnabled(GL_BLEND) && glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST) || glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(probe::integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(probe::integer(GL_PROJECTION_STACK_DEPTH), 1);
}

}  // namespace
