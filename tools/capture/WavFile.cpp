#include "tools/capture/WavFile.h"

#include <fstream>

namespace {

void put16(std::ofstream& out, uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, uint32_t value) {
    put16(out, static_cast<uint16_t>(value & 0xFFFF));
    put16(out, static_cast<uint16_t>(value >> 16));
}

}  // namespace

bool writeWav(const std::string& path, int sampleRate, const std::vector<int16_t>& stereoSamples) {
    std::ofstream out(path, std::ios::binary);
    const uint32_t dataBytes = static_cast<uint32_t>(stereoSamples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);  // PCM format chunk
    put16(out, 1);
    put16(out, 2);   // channels
    put32(out, static_cast<uint32_t>(sampleRate));
    put32(out, static_cast<uint32_t>(sampleRate) * 4);
    put16(out, 4);   // bytes per frame
    put16(out, 16);  // bits per sample
    out.write("data", 4);
    put32(out, dataBytes);
    for (int16_t sample : stereoSamples) put16(out, static_cast<uint16_t>(sample));
    return static_cast<bool>(out);
}
