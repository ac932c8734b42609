#pragma once
// Writes and reads 8-bit RGB or RGBA pictures as PNG files.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace png {

// `pixels` holds height rows of width x channels bytes (3 = RGB, 4 = RGBA); the first row is the
// top of the picture unless bottomRowFirst is set (as GL reads it back).
bool write(const std::string& path, int width, int height, int channels, const std::vector<uint8_t>& pixels,
           bool bottomRowFirst = false);
// The same into an open stream, at a zlib compression level (1 is fast, 9 small, -1 zlib's own);
// false when the picture makes no sense or a write failed.
bool write(std::FILE* file, int width, int height, int channels, const uint8_t* pixels, bool bottomRowFirst,
           int compressionLevel);

// Reads any PNG as 8-bit RGBA, top row first.
bool read(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba);

}  // namespace png
