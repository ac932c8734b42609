#include "tests/support/TgaFiles.h"

namespace tga {

Bytes file(uint8_t type, int width, int height, uint8_t depth, const Bytes& pixels, const Bytes& id) {
    Bytes bytes = {static_cast<uint8_t>(id.size()), 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   static_cast<uint8_t>(width & 0xFF), static_cast<uint8_t>(width >> 8),
                   static_cast<uint8_t>(height & 0xFF), static_cast<uint8_t>(height >> 8), depth, 0x08};
    bytes.insert(bytes.end(), id.begin(), id.end());
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    return bytes;
}

Bytes filled(int width, int height, uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
    Bytes pixels;
    for (int i = 0; i < width * height; ++i) pixels.insert(pixels.end(), {blue, green, red, alpha});
    return file(2, width, height, 32, pixels);
}

}  // namespace tga
