#include "scenes/HelixScene.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/TgaImage.h"
#include "tests/support/SceneFixture.h"

namespace {

class HelixSceneTest : public SceneFixture<HelixScene> {
protected:
    // Draws the scene at t over black with the projection the Tunnel sets before 39.5 s.
    probe::Pixels frameAt(int32_t t) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 640.0 / 480.0, 0.1, 70.0);
        glMatrixMode(GL_MODELVIEW);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        return render(t);
    }

    // Columns of the frame that hold any lit pixel, leftmost and rightmost; {640, -1} when none.
    static std::pair<int, int> litColumns(const probe::Pixels& frame) {
        std::pair<int, int> span{640, -1};
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                if (frame.litAt(x, y)) span = {std::min(span.first, x), std::max(span.second, x)};
        return span;
    }
    // Texture coordinates s of the leftmost and rightmost columns of the logo's lettering.
    static std::pair<double, double> letteringColumns() {
        TgaImage* logo = loadTgaResource(HelixScene::textureId);
        if (logo == nullptr) return {0.0, 0.0};  // fails the comparisons
        std::pair<int, int> columns{logo->width, -1};
        for (int p = 0; p < logo->width * logo->height; ++p)
            if ((logo->pixels[p] >> 24) > 0 && (logo->pixels[p] & 0xFFFFFF) != 0)
                columns = {std::min(columns.first, p % logo->width), std::max(columns.second, p % logo->width)};
        const double width = logo->width;
        freeImage(logo);
        return {(columns.first + 0.5) / width, (columns.second + 0.5) / width};
    }
    static bool isBlack(const probe::Pixels& frame) { return frame.lit() == 0; }

    HelixScene::Data& data = HelixScene::data;
};

TEST_F(HelixSceneTest, TheSquaresAreCountedInOneAfterAnotherAndFadeIn) {
    EXPECT_STREQ(scene.name, "Helix");
    EXPECT_TRUE(isBlack(frameAt(0)));  // angles computed, nothing drawn
    EXPECT_EQ(data.visibleCount, 0);
    EXPECT_FLOAT_EQ(data.angleX[11], 90.0f);  // the fan starts as half a turn about x
    EXPECT_EQ(data.angleY[11], 0.0f);

    EXPECT_TRUE(isBlack(frameAt(1818)));
    EXPECT_FALSE(isBlack(frameAt(1819)));
    EXPECT_EQ(data.visibleCount, 1);
    EXPECT_NEAR(data.opacity[0], 0.045475f, 1e-6);

    frameAt(3636);  // square 2's own start: it is not counted yet and still transparent
    EXPECT_EQ(data.visibleCount, 1);
    EXPECT_EQ(data.opacity[2], 0.0f);
    EXPECT_NEAR(data.opacity[1], 1818.0f / 41818.0f, 1e-6);  // later squares grow more slowly
    frameAt(3637);
    EXPECT_EQ(data.visibleCount, 2);
    frameAt(25455);
    EXPECT_EQ(data.visibleCount, 14);
}

TEST_F(HelixSceneTest, SquareZeroSettlesAt14400AndEveryAngleStaysFromThen) {
    frameAt(14399);
    EXPECT_FALSE(data.settled);
    EXPECT_NEAR(data.angleX[0], 2159.85f, 1e-3);
    EXPECT_EQ(data.angleX[5], HelixScene::capX);  // later squares reach the x cap earlier

    frameAt(14400);
    EXPECT_TRUE(data.settled);
    EXPECT_EQ(data.angleX[0], HelixScene::capX);
    EXPECT_EQ(data.angleY[0], HelixScene::capY);
    EXPECT_EQ(data.angleZ[0], HelixScene::capZ);
    // The squares after 0 keep the angles of the frame before, one frame's turn short.
    EXPECT_EQ(data.angleY[1], 14399 * 0.1f);
    EXPECT_EQ(data.angleZ[13], 14399 * 0.05f);

    const HelixScene::Data settled = data;
    frameAt(20000);
    EXPECT_TRUE(std::equal(settled.angleY, settled.angleY + HelixScene::squareCount, data.angleY));
    EXPECT_TRUE(std::equal(settled.angleZ, settled.angleZ + HelixScene::squareCount, data.angleZ));
    // Opacities go on growing after the angles stop.
    EXPECT_GT(data.opacity[1], settled.opacity[1]);
}

TEST_F(HelixSceneTest, After26500OnlyTheFlatSquareIsLeftAndFadesOut) {
    frameAt(14400);
    frameAt(26500);
    EXPECT_EQ(data.visibleCount, 14);

    // Square 0 faces the viewer at z = -2, unrotated: the logo's lettering lies where the
    // picture's lettering columns fall on a square of half-width 1 seen from 2 units away.
    const std::pair<int, int> span = litColumns(frameAt(26501));
    EXPECT_EQ(data.visibleCount, 1);
    EXPECT_NEAR(data.opacity[0], 0.999f, 1e-6);
    const std::pair<double, double> lettering = letteringColumns();
    const double halfWidth = 320 * (1 / std::tan(22.5 * M_PI / 180)) / (640.0 / 480.0) / 2;
    EXPECT_NEAR(span.first, 320 + (2 * lettering.first - 1) * halfWidth, 3);
    EXPECT_NEAR(span.second, 320 + (2 * lettering.second - 1) * halfWidth, 3);

    frameAt(27000);
    EXPECT_NEAR(data.opacity[0], 0.5f, 1e-6);
    EXPECT_TRUE(isBlack(frameAt(27500)));
    EXPECT_EQ(data.opacity[0], 0.0f);
    EXPECT_TRUE(isBlack(frameAt(32010)));  // a last frame may come a little after the end
    EXPECT_EQ(data.visibleCount, 1);
    EXPECT_EQ(probe::integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);  // translucent over the picture below
}

}  // namespace
