#include "platform/sdl/SdlIcon.h"

#include "platform/Platform.h"

namespace sdl {

namespace {

constexpr size_t directorySize = 6;
constexpr size_t entrySize = 16;
constexpr size_t bitmapHeaderSize = 40;

uint32_t read16(const uint8_t* p) { return p[0] | (uint32_t(p[1]) << 8); }
uint32_t read32(const uint8_t* p) { return read16(p) | (read16(p + 2) << 16); }

// The colour bitmap of one entry, stored bottom row first in blue, green, red, alpha.
IconImage decodeEntry(const uint8_t* data, size_t length, const uint8_t* entry) {
    const int size = entry[0] == 0 ? 256 : entry[0];
    const size_t storedBytes = read32(entry + 8);
    const size_t offset = read32(entry + 12);
    const size_t pixelBytes = size_t(size) * size * 4;
    if (entry[1] != entry[0] || read16(entry + 6) != 32 || offset > length || length - offset < storedBytes ||
        storedBytes < bitmapHeaderSize + pixelBytes || read32(data + offset) != bitmapHeaderSize)
        return {};
    IconImage image{size, std::vector<uint8_t>(pixelBytes)};
    const uint8_t* pixels = data + offset + bitmapHeaderSize;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const uint8_t* source = pixels + (size_t(size - 1 - y) * size + x) * 4;
            uint8_t* target = &image.rgba[(size_t(y) * size + x) * 4];
            target[0] = source[2], target[1] = source[1], target[2] = source[0], target[3] = source[3];
        }
    return image;
}

}  // namespace

IconImage decodeIcon(const uint8_t* data, size_t length, int maxSize) {
    if (data == nullptr || length < directorySize || read16(data + 2) != 1) return {};
    const size_t count = read16(data + 4);
    if ((length - directorySize) / entrySize < count) return {};
    IconImage best;
    for (size_t i = 0; i < count; ++i) {
        IconImage image = decodeEntry(data, length, data + directorySize + i * entrySize);
        if (image.size > best.size && image.size <= maxSize) best = std::move(image);
    }
    return best;
}

void setWindowIcon(SDL_Window* window, int resourceId) {
    const platform::ResourceBytes resource = platform::findResource(resourceId);
    IconImage icon = decodeIcon(resource.data, resource.size, 64);
    if (icon.size == 0) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon.rgba.data(), icon.size, icon.size, 32,
                                                              icon.size * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface == nullptr) return;
    SDL_SetWindowIcon(window, surface);  // SDL keeps its own copy
    SDL_FreeSurface(surface);
}

}  // namespace sdl
