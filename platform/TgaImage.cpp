#include "platform/TgaImage.h"

#include <new>

#include "platform/Platform.h"

namespace {

constexpr size_t headerSize = 18;

uint32_t pack(uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha) {
    return red | (green << 8) | (blue << 16) | (alpha << 24);
}

uint32_t readPixel(const uint8_t* p, int32_t bitsPerPixel) {
    switch (bitsPerPixel) {
    case 32: return pack(p[2], p[1], p[0], p[3]);
    case 24: return pack(p[2], p[1], p[0], 0);
    default: return pack(p[0], p[0], p[0], 255);  // greyscale: opaque grey
    }
}

}  // namespace

TgaImage* decodeTga(const uint8_t* data, size_t size) {
    if (data == nullptr || size < headerSize) return nullptr;
    const size_t idLength = data[0];
    const uint8_t colorMapType = data[1];
    const uint8_t imageType = data[2];
    if (colorMapType != 0 || (imageType != 2 && imageType != 3)) return nullptr;
    const int32_t width = data[12] | (data[13] << 8);
    const int32_t height = data[14] | (data[15] << 8);
    const int32_t bitsPerPixel = data[16];
    if (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32) return nullptr;

    const size_t bytesPerPixel = static_cast<size_t>(bitsPerPixel + 1) / 8;
    const size_t pixelCount = static_cast<size_t>(width) * static_cast<size_t>(height);
    const size_t pixelStart = headerSize + idLength;
    if (size < pixelStart || (size - pixelStart) / bytesPerPixel < pixelCount) return nullptr;

    TgaImage* image = new (std::nothrow) TgaImage{width, height, bitsPerPixel,
                                                  static_cast<int32_t>(bytesPerPixel) * width, nullptr};
    if (image == nullptr) return nullptr;
    image->pixels = new (std::nothrow) uint32_t[pixelCount];
    if (image->pixels == nullptr) {
        delete image;
        return nullptr;
    }
    const uint8_t* source = data + pixelStart;
    for (size_t i = 0; i < pixelCount; ++i, source += bytesPerPixel) image->pixels[i] = readPixel(source, bitsPerPixel);
    return image;
}

TgaImage* loadTgaResource(int resourceId) {
    const platform::ResourceBytes resource = platform::findResource(resourceId);
    return decodeTga(resource.data, resource.size);
}

void freeImage(TgaImage* image) {
    if (image == nullptr) return;
    delete[] image->pixels;
    delete image;
}
