#pragma once
// Small TGA files made in code, for feeding the engine through the headless resource lookup.
#include <cstdint>
#include <vector>

namespace tga {

// An uncompressed 32-bit TGA, bottom row first, every pixel the same (blue, green, red, alpha).
std::vector<uint8_t> filled(int width, int height, uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha);

}  // namespace tga
