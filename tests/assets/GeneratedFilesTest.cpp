// The files tarvo-assets writes: every resource, the TGA layout the demo's loader and the
// texture table expect, the alpha content each scene relies on, the icon, and byte-identical
// output from run to run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "GeneratedAssets.h"

namespace {

enum class Alpha { Zero, Shape };

struct Expected {
    int id;
    int width, height;
    size_t fileBytes;
    Alpha alpha;
};

constexpr Expected kPictures[] = {
    {102, 256, 256, 262188, Alpha::Zero},   {103, 256, 256, 262188, Alpha::Shape},
    {104, 256, 256, 262188, Alpha::Shape},  {105, 256, 256, 262188, Alpha::Shape},
    {111, 128, 128, 65580, Alpha::Zero},    {113, 256, 256, 269030, Alpha::Shape},
    {116, 256, 256, 262188, Alpha::Zero},   {117, 128, 128, 65580, Alpha::Zero},
    {129, 256, 256, 262188, Alpha::Shape},  {136, 512, 256, 524332, Alpha::Shape},
    {138, 512, 512, 1048620, Alpha::Zero},  {139, 512, 512, 1048620, Alpha::Shape},
    {141, 512, 512, 1048620, Alpha::Shape},
};

std::string tgaName(int id) { return std::to_string(id) + ".tga"; }

const Bytes& picture(int id) { return generatedFiles().at(tgaName(id)); }

constexpr size_t kFooter = 26;

TEST(GeneratedFiles, PicturesHaveTheHeaderAndSizeOfTheTextureTableAndTheTga2Footer) {
    for (const auto& p : kPictures) {
        SCOPED_TRACE(p.id);
        const Bytes& b = picture(p.id);
        ASSERT_EQ(b.size(), p.fileBytes);
        EXPECT_EQ(b[0], 0) << "no image ID";
        EXPECT_EQ(b[1], 0) << "no colour map";
        EXPECT_EQ(b[2], 2) << "uncompressed true-colour";
        EXPECT_EQ(le16(b, 12), p.width);
        EXPECT_EQ(le16(b, 14), p.height);
        EXPECT_EQ(b[16], 32);
        EXPECT_EQ(b[17], 0x08) << "bottom row first, 8 alpha bits";
        const size_t footer = b.size() - kFooter;
        EXPECT_EQ(std::memcmp(&b[footer + 8], "TRUEVISION-XFILE.", 18), 0);
        if (p.id != 113) {
            EXPECT_EQ(le32(b, footer), 0u) << "no extension area";
            EXPECT_EQ(le32(b, footer + 4), 0u) << "no developer area";
            EXPECT_EQ(footer, 18 + size_t(p.width) * p.height * 4) << "footer right after the pixels";
        }
    }
}

// The logo's file is longer than its pixels: an extension area whose tables lie inside the file.
TEST(GeneratedFiles, LogoCarriesAnExtensionAreaAndWhatItPointsTo) {
    const Bytes& b = picture(113);
    const TgaView logo(b);
    const size_t footer = b.size() - kFooter;
    const size_t pixelsEnd = 18 + size_t(logo.width()) * logo.height() * 4;
    const size_t ext = le32(b, footer);
    ASSERT_GE(ext, pixelsEnd);
    ASSERT_LE(ext + 495, footer);
    EXPECT_EQ(le16(b, ext), 495) << "extension size field";
    EXPECT_EQ(b[ext + 494], 3) << "attributes: useful alpha";
    const size_t tables[] = {le32(b, ext + 490), le32(b, ext + 486), le32(b, footer + 4)};  // scan lines, stamp, developer
    for (size_t table : tables) {
        EXPECT_GE(table, pixelsEnd);
        EXPECT_LT(table, footer);
    }
    EXPECT_EQ(le32(b, tables[0] + 4), 18u + uint32_t(logo.width()) * 4) << "the second row's offset";
}

// Zero alpha everywhere, or a shape: opaque on the subject and clear around it.
TEST(GeneratedFiles, AlphaIsZeroOrShapedAsTheTableSays) {
    for (const auto& p : kPictures) {
        SCOPED_TRACE(p.id);
        const TgaView t(picture(p.id));
        int opaque = 0, clear = 0;
        t.forEach([&](int x, int y) {
            opaque += t.alpha(x, y) == 255;
            clear += t.alpha(x, y) == 0;
        });
        const int all = t.width() * t.height();
        if (p.alpha == Alpha::Zero) {
            EXPECT_EQ(clear, all);
            continue;
        }
        EXPECT_GT(opaque, all / 50);
        EXPECT_GT(clear, all / 4);
        EXPECT_EQ(t.alpha(0, 0), 0) << "corners are clear";
        EXPECT_EQ(t.alpha(t.width() - 1, t.height() - 1), 0);
    }
}

TEST(GeneratedFiles, WhiteOnBlackLetteringIsOpaqueExactlyAsBrightAsItIs) {
    // The credits and the closing cards: alpha follows the white of the lettering, so only the
    // letters show when the panels are blended over a scene.
    for (int id : {103, 104, 105, 139, 141}) {
        SCOPED_TRACE(id);
        const TgaView t(picture(id));
        t.forEach([&](int x, int y) {
            ASSERT_EQ(t.red(x, y), t.alpha(x, y)) << x << "," << y;
            ASSERT_EQ(t.green(x, y), t.alpha(x, y));
            ASSERT_EQ(t.blue(x, y), t.alpha(x, y));
        });
    }
}

TEST(GeneratedFiles, IconHoldsTheUsualSizesAsAlphaBitmaps) {
    const Bytes& b = generatedFiles().at("143.ico");
    ASSERT_GE(b.size(), 6u);
    EXPECT_EQ(le16(b, 0), 0);
    EXPECT_EQ(le16(b, 2), 1) << "icon";
    const unsigned count = le16(b, 4);
    std::vector<int> sizes;
    for (unsigned i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * size_t(i);
        const int size = b.at(entry) == 0 ? 256 : b.at(entry);
        sizes.push_back(size);
        const size_t bytes = le32(b, entry + 8), offset = le32(b, entry + 12);
        ASSERT_LE(offset + bytes, b.size());
        EXPECT_EQ(le32(b, offset), 40u) << "BITMAPINFOHEADER";
        EXPECT_EQ(le32(b, offset + 4), uint32_t(size));
        EXPECT_EQ(le32(b, offset + 8), uint32_t(size * 2)) << "colour and mask";
        EXPECT_EQ(le16(b, offset + 14), 32);
        const size_t maskRow = size_t((size + 31) / 32) * 4;
        ASSERT_EQ(bytes, 40 + size_t(size) * size * 4 + maskRow * size);
        // Opaque in the middle, clear in the corner; the AND mask agrees with the alpha.
        const auto alphaAt = [&](int x, int y) { return b[offset + 40 + (size_t(y) * size + x) * 4 + 3]; };
        const auto maskAt = [&](int x, int y) {
            return (b[offset + 40 + size_t(size) * size * 4 + size_t(y) * maskRow + size_t(x / 8)] >> (7 - x % 8)) & 1;
        };
        EXPECT_EQ(alphaAt(size / 2, size / 2), 255) << size;
        EXPECT_EQ(alphaAt(0, 0), 0) << size;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) ASSERT_EQ(maskAt(x, y), alphaAt(x, y) == 0 ? 1 : 0) << size;
    }
    for (int wanted : {16, 32, 48}) EXPECT_NE(std::find(sizes.begin(), sizes.end(), wanted), sizes.end()) << wanted;
}

TEST(GeneratedFiles, SecondRunWritesTheSameBytes) {
    const FileSet again = runGenerator();
    const FileSet& first = generatedFiles();
    ASSERT_EQ(again.size(), first.size());
    for (const auto& [name, bytes] : first) {
        ASSERT_EQ(again.count(name), 1u) << name;
        EXPECT_TRUE(again.at(name) == bytes) << name << " differs between runs";
    }
}

}  // namespace
