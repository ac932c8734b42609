#include "runtime/WavStream.h"

#include <algorithm>
#include <cstring>

namespace audio {
namespace {

constexpr uint16_t formatPcm = 1;
constexpr uint16_t formatExtensible = 0xFFFE;

uint16_t readU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t readU32(const uint8_t* p) { return readU16(p) | static_cast<uint32_t>(readU16(p + 2)) << 16; }

struct PcmData {
    uint16_t format = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint16_t bits = 0;
    const uint8_t* samples = nullptr;
    size_t size = 0;
};

// Finds the "fmt " and "data" chunks; a data chunk cut short by the end of the file keeps what is
// there.
bool readChunks(const uint8_t* data, size_t size, PcmData& pcm) {
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return false;
    bool haveFormat = false;
    size_t offset = 12;
    while (size - offset >= 8) {
        const uint8_t* chunk = data + offset;
        const size_t chunkSize = std::min<size_t>(readU32(chunk + 4), size - offset - 8);
        const uint8_t* body = chunk + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && chunkSize >= 16) {
            pcm.format = readU16(body);
            pcm.channels = readU16(body + 2);
            pcm.rate = readU32(body + 4);
            pcm.bits = readU16(body + 14);
            // The extensible header names the real format in the first two bytes of its GUID.
            if (pcm.format == formatExtensible && chunkSize >= 26) pcm.format = readU16(body + 24);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            pcm.samples = body;
            pcm.size = chunkSize;
            return haveFormat;
        }
        offset += 8 + chunkSize + (chunkSize & 1);  // chunks are padded to even sizes
        if (offset > size) break;
    }
    return false;
}

int16_t sampleAt(const PcmData& pcm, size_t index) {
    if (pcm.bits == 8) return static_cast<int16_t>((pcm.samples[index] - 128) * 256);
    return static_cast<int16_t>(readU16(pcm.samples + 2 * index));
}

// Stereo frames at the file's own rate; mono is copied to both channels.
std::vector<int16_t> toStereo(const PcmData& pcm) {
    const size_t frameCount = pcm.size / (pcm.channels * pcm.bits / 8u);
    std::vector<int16_t> stereo(2 * frameCount);
    for (size_t i = 0; i < frameCount; ++i) {
        stereo[2 * i] = sampleAt(pcm, i * pcm.channels);
        stereo[2 * i + 1] = sampleAt(pcm, i * pcm.channels + pcm.channels - 1);
    }
    return stereo;
}

// Linear interpolation between neighbouring frames, in exact integer positions.
std::vector<int16_t> resample(const std::vector<int16_t>& in, uint64_t fromRate, uint64_t toRate) {
    const uint64_t inFrames = in.size() / 2;
    const uint64_t outFrames = inFrames * toRate / fromRate;
    std::vector<int16_t> out(2 * outFrames);
    for (uint64_t i = 0; i < outFrames; ++i) {
        const uint64_t position = i * fromRate;
        const uint64_t index = position / toRate;
        const int64_t fraction = static_cast<int64_t>(position % toRate);
        const uint64_t next = std::min(index + 1, inFrames - 1);
        for (int channel = 0; channel < 2; ++channel) {
            const int64_t a = in[2 * index + channel];
            const int64_t b = in[2 * next + channel];
            out[2 * i + channel] =
                static_cast<int16_t>(a + (b - a) * fraction / static_cast<int64_t>(toRate));
        }
    }
    return out;
}

}  // namespace

std::unique_ptr<WavStream> WavStream::decode(const uint8_t* data, size_t size, int sampleRate) {
    PcmData pcm;
    if (!data || sampleRate <= 0 || !readChunks(data, size, pcm)) return nullptr;
    if (pcm.format != formatPcm || pcm.channels < 1 || pcm.channels > 2 || pcm.rate == 0 ||
        (pcm.bits != 8 && pcm.bits != 16))
        return nullptr;
    std::vector<int16_t> stereo = toStereo(pcm);
    if (pcm.rate != static_cast<uint32_t>(sampleRate)) stereo = resample(stereo, pcm.rate, sampleRate);
    return std::unique_ptr<WavStream>(new WavStream(std::move(stereo), sampleRate));
}

int WavStream::render(int16_t* frames, int frameCount) {
    const size_t count = std::min(static_cast<size_t>(frameCount), frames_.size() / 2 - position_);
    std::copy_n(frames_.begin() + 2 * position_, 2 * count, frames);
    position_ += count;
    return static_cast<int>(count);
}

void WavStream::seek(int32_t ms) {
    const size_t frame = static_cast<size_t>(std::max<int64_t>(0, int64_t{ms} * sampleRate_ / 1000));
    position_ = std::min(frame, frames_.size() / 2);
}

}  // namespace audio
