#pragma once
// Something the audio library can play: a decoded module or a sampled stream, producing
// interleaved stereo signed 16-bit frames at the rate the library was opened with.
#include <cstdint>

namespace audio {

class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Writes up to frameCount frames and returns how many it wrote; fewer once the end is reached.
    virtual int render(int16_t* frames, int frameCount) = 0;
    // Goes to the frame at ms milliseconds from the first (0: the first); past the end it has ended.
    virtual void seek(int32_t ms) = 0;
};

}  // namespace audio
