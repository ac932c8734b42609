#pragma once
// Where frame n begins on a scale of `unitsPerSecond` (counter ticks, audio samples) when frames
// run at numerator / denominator per second: n x denominator x unitsPerSecond / numerator, rounded
// down. Computed in 128 bits, so hours of frames at 60000/1001 on a 1 GHz scale never overflow,
// and the spans of consecutive frames add up exactly to the whole.
#include <cstdint>

namespace emulated {

struct FrameRate {
    int64_t numerator;
    int64_t denominator;
};

inline int64_t frameStart(int64_t frame, FrameRate rate, int64_t unitsPerSecond) {
    const __int128 scaled = static_cast<__int128>(frame) * rate.denominator * unitsPerSecond;
    return static_cast<int64_t>(scaled / rate.numerator);
}

}  // namespace emulated
