#define GL_GLEXT_PROTOTYPES
#include "scenes/VelmoraLogoScene.h"

#include <cmath>
#include <functional>
#include <vector>

#include "tests/support/SceneFixture.h"

namespace {

class VelmoraLogoSceneTest : public SceneFixture<VelmoraLogoScene> {
protected:
    // What `draw` hands to GL, counted by GL's queries: primitives before clipping, and samples
    // that pass the fragment tests.
    struct Counts {
        GLuint primitives = 0;
        GLuint samples = 0;
    };
    static Counts count(const std::function<void()>& draw) {
        GLuint queries[2];
        glGenQueries(2, queries);
        glBeginQuery(GL_PRIMITIVES_GENERATED, queries[0]);
        glBeginQuery(GL_SAMPLES_PASSED, queries[1]);
        draw();
        glEndQuery(GL_SAMPLES_PASSED);
        glEndQuery(GL_PRIMITIVES_GENERATED);
        Counts counts;
        glGetQueryObjectuiv(queries[0], GL_QUERY_RESULT, &counts.primitives);
        glGetQueryObjectuiv(queries[1], GL_QUERY_RESULT, &counts.samples);
        glDeleteQueries(2, queries);
        return counts;
    }

    // How many copies of the logo `draw` draws.
    static GLuint copiesIn(const std::function<void()>& draw) {
        const GLuint perCopy = count([] { VelmoraLogoScene::drawLogoQuad(0, 1); }).primitives;
        const GLuint primitives = count(draw).primitives;
        if (perCopy == 0) {
            ADD_FAILURE() << "a copy of the logo made no primitive";
            return 0;
        }
        EXPECT_EQ(primitives % perCopy, 0u);
        return primitives / perCopy;
    }

    // Draws in front of the eye, 3 units away as from the scene's camera, without the scene's turn.
    static void atEyeDistance(const std::function<void()>& draw) {
        glLoadIdentity();
        glTranslatef(0, 0, -3);
        draw();
    }

    // Replaces the logo with one opaque black texel, so that every copy darkens the white frame.
    void paintLogoBlack() {
        const uint8_t texel[4] = {0, 0, 0, 255};
        enableCap(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, registry.glNameOf(VelmoraLogoScene::logoTextureId));
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
        registry.resetLastBound();
    }
};

TEST_F(VelmoraLogoSceneTest, InitNamesTheSceneInEveryPhaseAndRequestsTheLogoWithAlpha) {
    scene.name[0] = '\0';
    EXPECT_TRUE(scene.init(2));
    EXPECT_STREQ(scene.name, "Velmora Logo");
    EXPECT_EQ(registry.entries.count, 1);
    const TextureEntry* entry = registry.findEntry(VelmoraLogoScene::logoTextureId);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->flags, TextureRegistry::withAlpha);
}

TEST_F(VelmoraLogoSceneTest, TheLogoContractsWithinTheFirstSecondAndSmearsApartAfterSeven) {
    struct Expected {
        int32_t t;
        float spread, opacity;
    };
    const Expected table[] = {{0, 10, 0}, {500, 5, 0.5f}, {999, 0.01f, 0.999f}, {1000, 0, 1},  {7000, 0, 1},
                              {7500, 5, 0.5f}, {8000, 10, 0}, {8001, 10, 0}, {20000, 10, 0}, {-300, 10, -0.3f}};
    for (const Expected& e : table) {
        EXPECT_NEAR(VelmoraLogoScene::spreadAt(e.t), e.spread, 1e-5) << e.t;
        EXPECT_NEAR(VelmoraLogoScene::opacityAt(e.t), e.opacity, 1e-6) << e.t;
    }
    EXPECT_EQ(VelmoraLogoScene::opacityAt(8000), 0.0f);  // exactly, so that the frame draws nothing
}

TEST_F(VelmoraLogoSceneTest, TheSmearIsAFanOfCopiesThatContractsIntoOne) {
    const auto copiesAt = [this](int32_t t) { return copiesIn([this, t] { scene.render(t); }); };
    EXPECT_EQ(copiesAt(500), 26u);
    EXPECT_EQ(copiesAt(3000), 1u);
    EXPECT_EQ(copiesAt(7500), 26u);
    for (int32_t t : {0, 8000, 9000}) EXPECT_EQ(copiesAt(t), 0u) << t;
    EXPECT_EQ(copiesIn([] { VelmoraLogoScene::drawSmear(10, VelmoraLogoScene::smearStep, 1); }), 52u);
}

// Drawn untextured, a fragment's alpha is its copy's opacity, which the alpha test then measures.
TEST_F(VelmoraLogoSceneTest, EachCopyCarriesAnEqualShareOfTheOpacity) {
    disableCap(GL_TEXTURE_2D);
    disableCap(GL_DEPTH_TEST);
    enableCap(GL_ALPHA_TEST);
    const auto samplesAbove = [](float threshold) {
        glAlphaFunc(GL_GREATER, threshold);
        return count([] { atEyeDistance([] { VelmoraLogoScene::drawSmear(5, VelmoraLogoScene::smearStep, 0.5f); }); })
            .samples;
    };
    // 26 copies at 0.02 each; GL keeps eight bits of alpha and of the reference, so the bounds
    // are wide, yet they tell 0.02 from a share of 13 or 52 copies.
    EXPECT_GT(samplesAbove(0.012f), 0u);
    EXPECT_EQ(samplesAbove(0.028f), 0u);
}

// The widest fan reaches 0.2 units to either side of the square of side 2.
TEST_F(VelmoraLogoSceneTest, TheWidestFanIsATenthWiderEachSide) {
    paintLogoBlack();
    disableCap(GL_DEPTH_TEST);
    enableCap(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const auto widthInPixels = [this](const std::function<void()>& draw) {
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        atEyeDistance(draw);
        const probe::Pixels pixels = frame();
        int covered = 0;
        for (int x = 0; x < 640; ++x) covered += pixels.at(x, 240)[0] != 255;
        return covered;
    };
    const int one = widthInPixels([] { VelmoraLogoScene::drawLogoQuad(0, 1); });
    const int fan = widthInPixels([] { VelmoraLogoScene::drawSmear(10, VelmoraLogoScene::smearStep, 1); });
    EXPECT_NEAR(static_cast<double>(fan) / one, 1.2, 0.01);
}

// Before the start the opacity is negative, which GL clamps to 0 like the opacity after 8 s.
TEST_F(VelmoraLogoSceneTest, TheFrameIsPlainWhiteBeforeAndAfterTheLogoShows) {
    for (int32_t t : {-500, 0, 8000, 8500, 30000}) {
        glClearColor(0, 0, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        scene.render(t);
        EXPECT_TRUE(frame().all(255)) << t;
    }
    scene.render(4000);
    EXPECT_FALSE(frame().all(255));
}

TEST_F(VelmoraLogoSceneTest, TheLogoTurnsTenDegreesASecondAboutTheVerticalAxis) {
    const auto turn = [] {
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        EXPECT_NEAR(m[14], -3.0f, 1e-5);  // the camera 3 units in front
        return std::atan2(m[8], m[0]) * 180 / M_PI;
    };
    scene.render(1000);
    EXPECT_NEAR(turn(), -40, 1e-3);
    scene.render(7000);
    EXPECT_NEAR(turn(), 20, 1e-3);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
