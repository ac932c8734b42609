#pragma once
// Runs the real tarvo-assets program and reads back what it wrote, and reads TGA files the way
// the demo's loader does.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;
using FileSet = std::map<std::string, Bytes>;

// Runs tarvo-assets into a new temporary folder, reads back every file it wrote and removes the
// folder. Fails the calling test when the program fails.
FileSet runGenerator();

// The files of one run, made on first use and shared by the tests of this program.
const FileSet& generatedFiles();

uint16_t le16(const Bytes& b, size_t at);
uint32_t le32(const Bytes& b, size_t at);

// A 32-bit TGA image as stored: header fields and pixels, rows bottom first.
struct TgaView {
    explicit TgaView(const Bytes& file) : bytes(file) {}
    int width() const { return le16(bytes, 12); }
    int height() const { return le16(bytes, 14); }
    // The pixel in column x of row y counted from the top of the picture, as blue, green, red,
    // alpha bytes.
    const uint8_t* pixel(int x, int y) const {
        return &bytes[18 + bytes[0] + (size_t(height() - 1 - y) * width() + x) * 4];
    }
    uint8_t red(int x, int y) const { return pixel(x, y)[2]; }
    uint8_t green(int x, int y) const { return pixel(x, y)[1]; }
    uint8_t blue(int x, int y) const { return pixel(x, y)[0]; }
    uint8_t alpha(int x, int y) const { return pixel(x, y)[3]; }
    // Calls f(x, y) for every pixel, row by row from the top.
    template <class F>
    void forEach(F f) const {
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x) f(x, y);
    }

    const Bytes& bytes;
};
