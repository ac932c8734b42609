#pragma once
// Small TGA files made in code, for feeding the engine through the headless resource lookup.
#include <cstdint>
#include <vector>

namespace tga {

using Bytes = std::vector<uint8_t>;

// A TGA file of the given image type and depth, descriptor 0x08, with an optional image ID
// field, followed by `pixels` as given.
Bytes file(uint8_t type, int width, int height, uint8_t depth, const Bytes& pixels, const Bytes& id = {});

// An uncompressed 32-bit TGA, every pixel the same (blue, green, red, alpha).
Bytes filled(int width, int height, uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha);

}  // namespace tga
