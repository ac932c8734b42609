// Every generated resource is reachable by its id in the built programs, byte for byte as the
// generator wrote it, and each is what its users expect.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/Platform.h"
#include "platform/TgaImage.h"
#include "platform/headless/HeadlessControl.h"
#include "runtime/MusicPlayer.h"

namespace {

std::vector<uint8_t> embedded(int id) {
    const platform::ResourceBytes bytes = platform::findResource(id);
    return bytes.data == nullptr ? std::vector<uint8_t>{} : std::vector<uint8_t>(bytes.data, bytes.data + bytes.size);
}

// The generator's files are named by their ids: 102.tga ... 141.tga, 142.xm, 143.ico.
TEST(EmbeddedResources, EveryIdServesTheGeneratedBytes) {
    headless::reset();
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TARVO_ASSET_DIR)) {
        const std::filesystem::path& path = entry.path();
        SCOPED_TRACE(path.filename());
        const int id = std::stoi(path.stem().string());
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(embedded(id), std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}));
        if (path.extension() == ".tga") {
            TgaImage* image = loadTgaResource(id);
            EXPECT_NE(image, nullptr);
            freeImage(image);
        }
        ++files;
    }
    EXPECT_EQ(files, 15);
    EXPECT_TRUE(embedded(144).empty());

    MusicPlayer player;
    EXPECT_NE(player.load(142, MusicPlayer::moduleKind), 0u);
}

}  // namespace
