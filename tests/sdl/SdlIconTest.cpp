#include "platform/sdl/SdlIcon.h"

#include <gtest/gtest.h>

#include "platform/Platform.h"

namespace {

TEST(SdlIcon, TakesTheLargestBitmapThatFitsFromTheProgramsIcon) {
    const platform::ResourceBytes icon = platform::findResource(143);
    ASSERT_NE(icon.data, nullptr);
    const sdl::IconImage large = sdl::decodeIcon(icon.data, icon.size, 64);
    ASSERT_EQ(large.size, 64);
    ASSERT_EQ(large.rgba.size(), 64u * 64u * 4u);
    EXPECT_EQ(large.rgba[3], 0);  // a round logo: the corner is transparent ...
    EXPECT_EQ(large.rgba[(32 * 64 + 32) * 4 + 3], 255);  // ... its middle opaque
    EXPECT_EQ(sdl::decodeIcon(icon.data, icon.size, 40).size, 32);
    EXPECT_EQ(sdl::decodeIcon(icon.data, icon.size, 8).size, 0);
}

TEST(SdlIcon, RefusesMalformedFiles) {
    const platform::ResourceBytes icon = platform::findResource(143);
    ASSERT_NE(icon.data, nullptr);
    // Cut inside the largest entry: the smaller ones before it still decode.
    EXPECT_EQ(sdl::decodeIcon(icon.data, icon.size - 1, 64).size, 48);
    EXPECT_EQ(sdl::decodeIcon(icon.data, 40, 64).size, 0);  // entries cut off
    EXPECT_EQ(sdl::decodeIcon(icon.data, 3, 64).size, 0);
    EXPECT_EQ(sdl::decodeIcon(nullptr, 0, 64).size, 0);
    std::vector<uint8_t> bogus(icon.data, icon.data + icon.size);
    bogus[4] = bogus[5] = 0xFF;  // claims more entries than the file can hold
    EXPECT_EQ(sdl::decodeIcon(bogus.data(), bogus.size(), 64).size, 0);
}

}  // namespace
