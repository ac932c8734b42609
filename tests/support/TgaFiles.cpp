#include "tests/support/TgaFiles.h"

namespace tga {

std::vector<uint8_t> filled(int width, int height, uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
    std::vector<uint8_t> file(18, 0);
    file[2] = 2;
    file[12] = width & 0xFF;
    file[13] = (width >> 8) & 0xFF;
    file[14] = height & 0xFF;
    file[15] = (height >> 8) & 0xFF;
    file[16] = 32;
    file[17] = 0x08;
    for (int i = 0; i < width * height; ++i) file.insert(file.end(), {blue, green, red, alpha});
    return file;
}

}  // namespace tga
