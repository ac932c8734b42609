// Every generated resource is reachable by its id in the built programs, byte for byte as the
// generator wrote it, and each is what its users expect.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/Platform.h"
#include "platform/TgaImage.h"
#include "platform/headless/HeadlessControl.h"
#include "runtime/MusicPlayer.h"

namespace {

std::vector<uint8_t> generatedFile(const std::string& name) {
    std::ifstream in(std::string(TARVO_ASSET_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> embedded(int id) {
    const platform::ResourceBytes bytes = platform::findResource(id);
    return bytes.data == nullptr ? std::vector<uint8_t>{} : std::vector<uint8_t>(bytes.data, bytes.data + bytes.size);
}

TEST(EmbeddedResources, EveryIdServesTheGeneratedBytes) {
    headless::reset();
    struct Picture {
        int id, width, height;
    };
    const Picture pictures[] = {{102, 256, 256}, {103, 256, 256}, {104, 256, 256}, {105, 256, 256},
                                {111, 128, 128}, {113, 256, 256}, {116, 256, 256}, {117, 128, 128},
                                {129, 256, 256}, {136, 512, 256}, {138, 512, 512}, {139, 512, 512},
                                {141, 512, 512}};
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.id);
        const std::vector<uint8_t> bytes = embedded(picture.id);
        EXPECT_EQ(bytes, generatedFile(std::to_string(picture.id) + ".tga"));
        TgaImage* image = loadTgaResource(picture.id);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->width, picture.width);
        EXPECT_EQ(image->height, picture.height);
        EXPECT_EQ(image->bitsPerPixel, 32);
        freeImage(image);
    }
    EXPECT_EQ(embedded(142), generatedFile("142.xm"));
    EXPECT_EQ(embedded(143), generatedFile("143.ico"));
    EXPECT_TRUE(embedded(144).empty());

    MusicPlayer player;
    EXPECT_NE(player.load(142, MusicPlayer::moduleKind), 0u);
}

}  // namespace
