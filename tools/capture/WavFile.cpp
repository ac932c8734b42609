#include "tools/capture/WavFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>

namespace {

void put16(uint8_t*& out, uint16_t value) {
    *out++ = static_cast<uint8_t>(value & 0xFF);
    *out++ = static_cast<uint8_t>(value >> 8);
}

void put32(uint8_t*& out, uint32_t value) {
    put16(out, static_cast<uint16_t>(value & 0xFFFF));
    put16(out, static_cast<uint16_t>(value >> 16));
}

void putTag(uint8_t*& out, const char* tag) {
    for (int i = 0; i < 4; ++i) *out++ = static_cast<uint8_t>(tag[i]);
}

constexpr uint32_t headerBytes = 44;

}  // namespace

void WavFile::writeHeader(uint32_t size) {
    uint8_t header[headerBytes];
    uint8_t* out = header;
    putTag(out, "RIFF");
    put32(out, headerBytes - 8 + size);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);  // PCM format chunk
    put16(out, 1);
    put16(out, 2);  // channels
    put32(out, static_cast<uint32_t>(rate));
    put32(out, static_cast<uint32_t>(rate) * 4);
    put16(out, 4);   // bytes per frame
    put16(out, 16);  // bits per sample
    putTag(out, "data");
    put32(out, size);
    if (std::fwrite(header, 1, headerBytes, file.stream()) != headerBytes) file.failed(errno);
}

bool WavFile::create(int sampleRate, std::string& error) {
    if (!file.create(error)) return false;
    rate = sampleRate;
    writeHeader(0);
    return true;
}

bool WavFile::write(const int16_t* stereo, int frames) {
    std::FILE* out = file.stream();
    if (out == nullptr) return false;
    uint8_t bytes[4096];
    for (int done = 0; done < frames;) {
        const int chunk = std::min(frames - done, static_cast<int>(sizeof bytes / 4));
        uint8_t* at = bytes;
        for (int i = 0; i < 2 * chunk; ++i) put16(at, static_cast<uint16_t>(stereo[2 * done + i]));
        if (std::fwrite(bytes, 4, chunk, out) != static_cast<size_t>(chunk)) {
            file.failed(errno);
            return false;
        }
        done += chunk;
    }
    dataBytes += 4 * static_cast<uint64_t>(frames);
    return true;
}

bool WavFile::finish(std::string& error) {
    std::FILE* out = file.stream();
    if (dataBytes > std::numeric_limits<uint32_t>::max() - headerBytes) file.failed(EFBIG);
    // A device written in place cannot seek back; its header keeps the empty sizes.
    if (out != nullptr && std::fflush(out) == 0 && std::fseek(out, 0, SEEK_SET) == 0)
        writeHeader(static_cast<uint32_t>(dataBytes));
    else if (out != nullptr && std::ferror(out) != 0)
        file.failed(errno);
    return file.commit(error);
}
