#pragma once
// Uncompressed TGA pictures (true-colour type 2, greyscale type 3; 8, 24 or 32 bits) decoded into
// packed pixels ready for a GL_RGBA / GL_UNSIGNED_BYTE upload. Rows stay in stored order: the
// pictures are stored bottom row first, which is the order GL expects.
#include <cstddef>
#include <cstdint>

struct TgaImage {
    int32_t width;
    int32_t height;
    int32_t bitsPerPixel;
    int32_t rowBytes;  // one stored row in the source depth
    // width x height values R + 256 G + 65536 B + 16777216 A, so the bytes in memory are RGBA.
    uint32_t* pixels;
};

// Decodes the program's resource with this id; none when it is missing or not a picture we read.
TgaImage* loadTgaResource(int resourceId);
// Decodes `size` bytes of a TGA file; none for unsupported or truncated input.
TgaImage* decodeTga(const uint8_t* data, size_t size);
// Releases an image; none is allowed.
void freeImage(TgaImage* image);
