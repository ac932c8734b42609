#include "platform/TgaImage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/headless/HeadlessControl.h"
#include "tests/support/TgaFiles.h"

namespace {

using tga::Bytes;
using tga::file;

struct ImageDeleter {
    void operator()(TgaImage* image) const { freeImage(image); }
};
using Image = std::unique_ptr<TgaImage, ImageDeleter>;

Image decode(const Bytes& file) { return Image(decodeTga(file.data(), file.size())); }

Bytes memoryBytes(uint32_t packed) {
    Bytes bytes(4);
    std::memcpy(bytes.data(), &packed, 4);
    return bytes;
}

TEST(TgaImage, DecodesEachDepthIntoRgbaBytes) {
    Image image32 = decode(file(2, 2, 1, 32, {0x10, 0x20, 0x30, 0x40, 1, 2, 3, 4}));
    ASSERT_TRUE(image32);
    EXPECT_EQ(memoryBytes(image32->pixels[0]), (Bytes{0x30, 0x20, 0x10, 0x40}));
    EXPECT_EQ(memoryBytes(image32->pixels[1]), (Bytes{3, 2, 1, 4}));
    EXPECT_EQ(image32->rowBytes, 8);

    Image image24 = decode(file(2, 1, 1, 24, {0x10, 0x20, 0x30}));
    ASSERT_TRUE(image24);
    EXPECT_EQ(memoryBytes(image24->pixels[0]), (Bytes{0x30, 0x20, 0x10, 0x00}));
    EXPECT_EQ(image24->bitsPerPixel, 24);

    Image grey = decode(file(3, 2, 1, 8, {0x00, 0x7F}));
    ASSERT_TRUE(grey);
    EXPECT_EQ(memoryBytes(grey->pixels[0]), (Bytes{0, 0, 0, 255}));
    EXPECT_EQ(memoryBytes(grey->pixels[1]), (Bytes{0x7F, 0x7F, 0x7F, 255}));

    Image wide = decode(file(2, 512, 256, 32, Bytes(512 * 256 * 4, 0x55)));
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->width, 512);
    EXPECT_EQ(wide->height, 256);
    EXPECT_EQ(wide->rowBytes, 2048);
    EXPECT_EQ(wide->pixels[512 * 256 - 1], 0x55555555u);
}

TEST(TgaImage, SkipsTheIdFieldAndKeepsStoredRowOrder) {
    // Two rows: the first stored row is the first in memory, whatever the descriptor says.
    Image image = decode(file(2, 1, 2, 24, {1, 1, 1, 9, 9, 9}, {'h', 'e', 'l', 'l', 'o'}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels[0], 0x010101u);
    EXPECT_EQ(image->pixels[1], 0x090909u);
}

TEST(TgaImage, RefusesTypesAndDepthsItDoesNotRead) {
    Bytes colourMapped = file(1, 1, 1, 8, {0});
    colourMapped[1] = 1;
    EXPECT_FALSE(decode(colourMapped));
    Bytes trueColourWithMap = file(2, 1, 1, 24, {0, 0, 0});
    trueColourWithMap[1] = 1;
    EXPECT_FALSE(decode(trueColourWithMap));
    EXPECT_FALSE(decode(file(10, 1, 1, 32, {0, 0, 0, 0})));  // run-length encoded
    EXPECT_FALSE(decode(file(0, 1, 1, 32, {0, 0, 0, 0})));
    EXPECT_FALSE(decode(file(2, 1, 1, 16, {0, 0})));
    EXPECT_FALSE(decode(file(2, 1, 1, 15, {0, 0})));
}

TEST(TgaImage, RefusesTruncatedInput) {
    const Bytes whole = file(2, 4, 4, 32, Bytes(64, 7), {'i', 'd'});
    ASSERT_TRUE(decode(whole));
    EXPECT_FALSE(decode(Bytes(whole.begin(), whole.end() - 1)));  // one pixel byte short
    EXPECT_FALSE(decode(Bytes(whole.begin(), whole.begin() + 19)));  // inside the ID field
    EXPECT_FALSE(decode(Bytes(whole.begin(), whole.begin() + 17)));  // inside the header
    EXPECT_FALSE(decodeTga(nullptr, 0));
    // A header that claims the largest picture must not be believed without its pixels.
    EXPECT_FALSE(decode(file(2, 65535, 65535, 32, Bytes(16))));
}

TEST(TgaImage, LoadsResourcesById) {
    headless::reset();
    headless::setResource(77, file(2, 1, 1, 32, {1, 2, 3, 4}));
    Image image(loadTgaResource(77));
    ASSERT_TRUE(image);
    EXPECT_EQ(memoryBytes(image->pixels[0]), (Bytes{3, 2, 1, 4}));
    EXPECT_FALSE(Image(loadTgaResource(78)));
    headless::reset();
    freeImage(nullptr);
}

}  // namespace
