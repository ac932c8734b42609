// The drawing code under the pictures: trigonometry that is the same on every machine, exact
// coverage from the rasteriser, noise that tiles, lettering from the font's outlines and the
// TGA trailer that must fit the listed file size.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "core/DetMath.h"
#include "core/Lettering.h"
#include "core/Noise.h"
#include "core/Raster.h"
#include "core/TgaFile.h"

namespace assets {
namespace {

TEST(DetMath, AgreesWithTheLibraryFunctions) {
    for (double x = -1000; x <= 1000; x += 0.37) {
        ASSERT_NEAR(detSin(x), std::sin(x), 1e-9) << x;
        ASSERT_NEAR(detCos(x), std::cos(x), 1e-9) << x;
    }
}

TEST(Raster, CoversPixelsByTheirAreaInside) {
    const Mask m = fill(rectangle(1.25, 0.5, 3.5, 2), 5, 3);
    EXPECT_FLOAT_EQ(m.at(0, 0), 0);
    EXPECT_FLOAT_EQ(m.at(1, 0), 0.75f * 0.5f);
    EXPECT_FLOAT_EQ(m.at(2, 0), 0.5f);
    EXPECT_FLOAT_EQ(m.at(2, 1), 1);
    EXPECT_FLOAT_EQ(m.at(3, 1), 0.5f);
    EXPECT_FLOAT_EQ(m.at(4, 1), 0);
    EXPECT_FLOAT_EQ(m.at(2, 2), 0);
}

TEST(Raster, OverlapsUniteAndReversedContoursCutHoles) {
    Path twice = rectangle(0, 0, 4, 4);
    twice.append(rectangle(2, 0, 6, 4));
    const Mask united = fill(twice, 6, 4);
    for (int x = 0; x < 6; ++x) EXPECT_FLOAT_EQ(united.at(x, 1), 1) << x;

    Path ring = rectangle(0, 0, 6, 6);
    Path hole;  // the same winding rule, the other way round
    hole.moveTo({2, 2});
    hole.lineTo({2, 4});
    hole.lineTo({4, 4});
    hole.lineTo({4, 2});
    ring.append(hole);
    const Mask framed = fill(ring, 6, 6);
    EXPECT_FLOAT_EQ(framed.at(1, 1), 1);
    EXPECT_FLOAT_EQ(framed.at(2, 2), 0);
    EXPECT_FLOAT_EQ(framed.at(3, 3), 0);
}

TEST(Raster, EllipseCoversItsArea) {
    const Mask m = fill(ellipse({32, 32}, 20, 12, 256), 64, 64);
    double area = 0;
    for (float v : m.cover) area += v;
    EXPECT_NEAR(area, kPi * 20 * 12, kPi * 20 * 12 * 0.002);
    EXPECT_FLOAT_EQ(m.at(32, 32), 1);
    EXPECT_FLOAT_EQ(m.at(32, 45), 0);
}

TEST(Noise, TilesWithPeriodOne) {
    for (double u = 0.01; u < 1; u += 0.07)
        for (double v = 0.02; v < 1; v += 0.09) {
            const double n = fractalNoise(u, v, 3, 5, 4, 7);
            ASSERT_NEAR(n, fractalNoise(u + 1, v, 3, 5, 4, 7), 1e-9);
            ASSERT_NEAR(n, fractalNoise(u, v + 1, 3, 5, 4, 7), 1e-9);
            ASSERT_LE(std::fabs(n), 1.0);
        }
    EXPECT_NE(fractalNoise(0.3, 0.3, 3, 3, 4, 1), fractalNoise(0.3, 0.3, 3, 3, 4, 2)) << "seeds differ";
}

TEST(Lettering, FillsGlyphOutlinesWithTheirCounters) {
    const Typeface face("DejaVuSans-Bold");
    const Path o = centredOn(face.glyph('o', 40), 20, 20);
    const Mask m = fill(o, 40, 40);
    const Bounds b = o.bounds();
    EXPECT_FLOAT_EQ(m.at(20, 20), 0) << "the hole of the o";
    EXPECT_FLOAT_EQ(m.at(int(b.left) + 2, 20), 1) << "its left stroke";
    EXPECT_GT(b.width(), 15);
    EXPECT_LT(b.width(), 30);
    // Laid out text grows by each advance; kerning pulls "AV" closer than its advances.
    const double a = face.advance('A', 40), v = face.advance('V', 40);
    EXPECT_LT(textLine(face, "AV", 40).bounds().right, a + v);
}

TEST(TgaFile, ExtendedFileHasExactlyTheAskedSize) {
    Picture p(64, 32, {1, 0, 0}, 1);
    TgaExtension ext{"a", "b", "c", "d", 2001, 1, 2, "note", 0};
    ext.fileSize = 18 + 64 * 32 * 4 + 8000;
    EXPECT_EQ(encodeTga(p, ext).size(), ext.fileSize);
    ext.fileSize = 18 + 64 * 32 * 4 + 2000;  // no room for the stamp and the tables
    EXPECT_THROW(encodeTga(p, ext), std::runtime_error);
    const auto plain = encodeTga(p);
    ASSERT_EQ(plain.size(), 18u + 64 * 32 * 4 + 26);
    EXPECT_EQ(plain[18], 0) << "blue";
    EXPECT_EQ(plain[20], 255) << "red";
    EXPECT_EQ(plain[21], 255) << "alpha";
}

}  // namespace
}  // namespace assets
