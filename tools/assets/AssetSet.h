#pragma once
// Every file the generator writes, by name, as bytes.
#include <cstdint>
#include <string>
#include <vector>

namespace assets {

struct AssetFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

// The pictures (ID.tga), the font and the icon (143.ico); the soundtrack is added by the caller.
std::vector<AssetFile> generatePictureFiles();

}  // namespace assets
