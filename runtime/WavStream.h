#pragma once
// A sampled stream read from a RIFF WAVE file: PCM, 8-bit unsigned or 16-bit signed, mono or
// stereo, at any rate. The whole sound is decoded at load time into stereo 16-bit at the output
// rate (linear interpolation), so rendering is a copy.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/AudioSource.h"

namespace audio {

class WavStream final : public AudioSource {
public:
    // The sound in these bytes, converted for output at sampleRate; none when they are not a WAVE
    // file of a supported format.
    static std::unique_ptr<WavStream> decode(const uint8_t* data, size_t size, int sampleRate);

    int render(int16_t* frames, int frameCount) override;
    void seek(int32_t ms) override;

private:
    WavStream(std::vector<int16_t> frames, int sampleRate) : frames_(std::move(frames)), sampleRate_(sampleRate) {}

    std::vector<int16_t> frames_;  // interleaved stereo
    int sampleRate_;
    size_t position_ = 0;          // in frames
};

}  // namespace audio
