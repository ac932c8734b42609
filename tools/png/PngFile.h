#pragma once
// Writes and reads 8-bit RGB or RGBA pictures as PNG files.
#include <cstdint>
#include <string>
#include <vector>

namespace png {

// `pixels` holds height rows of width x channels bytes (3 = RGB, 4 = RGBA); the first row is the
// top of the picture unless bottomRowFirst is set (as GL reads it back).
bool write(const std::string& path, int width, int height, int channels, const std::vector<uint8_t>& pixels,
           bool bottomRowFirst = false);

// Reads any PNG as 8-bit RGBA, top row first.
bool read(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba);

}  // namespace png
