// The console font (102) as the text console uses it: glyph c in cell (c mod 16, c div 16)
// counted from the top, its red channel turned into alpha and kept where it is at least 77
// (alpha 0.3), one glyph every 12 pixels.
#include <gtest/gtest.h>

#include <cctype>

#include "GeneratedAssets.h"

namespace {

constexpr int kCell = 16;
constexpr int kDrawnFrom = 77;

const TgaView& font() {
    static const TgaView view(generatedFiles().at("102.tga"));
    return view;
}

// The red value of texel (x, y) of the glyph's cell.
int texel(int code, int x, int y) { return font().red((code % 16) * kCell + x, (code / 16) * kCell + y); }

bool drawn(int code, int x, int y) { return texel(code, x, y) >= kDrawnFrom; }

int inkCount(int code, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += drawn(code, x, y);
    return n;
}

TEST(ConsoleFont, IsWhiteOnBlackWithZeroAlpha) {
    font().forEach([](int x, int y) {
        ASSERT_EQ(font().alpha(x, y), 0);
        ASSERT_EQ(font().red(x, y), font().green(x, y));
        ASSERT_EQ(font().red(x, y), font().blue(x, y));
    });
}

// Each glyph is drawn 16 texels wide, 12 apart: nothing may reach the last two columns, and
// letters and digits must not reach into their neighbour's cell at all.
TEST(ConsoleFont, GlyphsKeepApartAtTheTwelvePixelAdvance) {
    for (int code = 0; code < 256; ++code) {
        for (int y = 0; y < kCell; ++y)
            for (int x = 14; x < kCell; ++x) ASSERT_EQ(texel(code, x, y), 0) << code << " at " << x << "," << y;
        if (std::isalnum(code)) {
            EXPECT_EQ(inkCount(code, 12, 0, kCell, kCell), 0) << char(code);
        }
    }
}

TEST(ConsoleFont, GlyphsStandUprightInTheirCells) {
    // The picture is stored bottom row first; a flipped or shifted layout shows here.
    EXPECT_EQ(inkCount('_', 0, 0, kCell, 10), 0) << "underscore at the bottom";
    EXPECT_GT(inkCount('^', 0, 0, kCell, 8), inkCount('^', 0, 8, kCell, 16)) << "caret at the top";
    EXPECT_GT(inkCount('T', 0, 0, kCell, 6), inkCount('T', 0, 6, kCell, 12)) << "bar of the T on top";
    EXPECT_GT(inkCount(223, 0, 0, 12, 8), 90) << "upper half block";
    EXPECT_EQ(inkCount(223, 0, 8, kCell, kCell), 0);
}

}  // namespace
