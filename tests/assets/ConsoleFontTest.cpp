// The console font (102) as the text console uses it: glyph c in cell (c mod 16, c div 16)
// counted from the top, its red channel turned into alpha and kept where it is at least 77
// (alpha 0.3), one glyph every 12 pixels.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <vector>

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

bool isBlankCode(int code) {
    return code == 0 || code == 9 || code == 10 || code == 13 || code == 32 || code == 255;
}

TEST(ConsoleFont, IsWhiteOnBlackWithZeroAlpha) {
    font().forEach([](int x, int y) {
        ASSERT_EQ(font().alpha(x, y), 0);
        ASSERT_EQ(font().red(x, y), font().green(x, y));
        ASSERT_EQ(font().red(x, y), font().blue(x, y));
    });
}

TEST(ConsoleFont, BlankCellsAreEmptyAndAllOthersHaveAGlyph) {
    for (int code = 0; code < 256; ++code) {
        int sum = 0;
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) sum += texel(code, x, y);
        if (isBlankCode(code)) {
            EXPECT_EQ(sum, 0) << code;
        } else {
            EXPECT_GT(inkCount(code, 0, 0, kCell, kCell), 2) << code;
        }
    }
}

TEST(ConsoleFont, NoGlyphReachesBeyondTheFourteenthColumn) {
    for (int code = 0; code < 256; ++code)
        for (int y = 0; y < kCell; ++y)
            for (int x = 14; x < kCell; ++x) ASSERT_EQ(texel(code, x, y), 0) << code << " at " << x << "," << y;
}

TEST(ConsoleFont, LettersAndDigitsKeepApartAtTheTwelvePixelAdvance) {
    for (int code = 33; code < 127; ++code) {
        if (std::isalnum(code)) {
            EXPECT_EQ(inkCount(code, 12, 0, kCell, kCell), 0) << char(code);
        }
    }
}

TEST(ConsoleFont, EveryGlyphIsDifferent) {
    // Catches characters missing from the font (drawn as the same placeholder) and wrong maps.
    std::set<std::vector<bool>> seen;
    for (int code = 0; code < 256; ++code) {
        if (isBlankCode(code)) continue;
        std::vector<bool> shape;
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) shape.push_back(drawn(code, x, y));
        EXPECT_TRUE(seen.insert(shape).second) << "glyph " << code << " repeats an earlier one";
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

TEST(ConsoleFont, LineDrawingJoinsNeighbouringCells) {
    // Horizontal lines reach both ends of the 12-pixel advance, vertical ones both ends of the
    // 16-pixel line, at the same place in every character.
    for (int code : {196, 197, 194, 193, 205, 206, 203, 202}) {
        for (int y = 0; y < kCell; ++y) EXPECT_EQ(drawn(code, 0, y), drawn(code, 11, y)) << code << " row " << y;
        EXPECT_GT(inkCount(code, 0, 0, 1, kCell), 0) << code;
    }
    for (int code : {179, 197, 195, 180, 186, 206, 204, 185}) {
        for (int x = 0; x < 12; ++x) EXPECT_EQ(drawn(code, x, 0), drawn(code, x, 15)) << code << " column " << x;
        EXPECT_GT(inkCount(code, 0, 0, 12, 1), 0) << code;
    }
    for (int y = 0; y < kCell; ++y) {
        EXPECT_EQ(drawn(196, 0, y), drawn(197, 0, y)) << "single lines meet at one height";
        EXPECT_EQ(drawn(205, 0, y), drawn(206, 0, y)) << "double lines meet at one height";
    }
}

TEST(ConsoleFont, ShadesCoverAQuarterHalfAndThreeQuarters) {
    const int area = 12 * kCell;
    EXPECT_EQ(inkCount(176, 0, 0, 12, kCell), area / 4);
    EXPECT_EQ(inkCount(177, 0, 0, 12, kCell), area / 2);
    EXPECT_EQ(inkCount(178, 0, 0, 12, kCell), area * 3 / 4);
    EXPECT_EQ(inkCount(219, 0, 0, 12, kCell), area);
}

}  // namespace
