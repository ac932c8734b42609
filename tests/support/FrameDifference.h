#pragma once
// How far a rendered frame is from its reference: per pixel, the largest difference of its red,
// green and blue; a pixel differs when that exceeds the per-channel tolerance, and the frames
// match when at most a small share of the pixels differ (renderers may round a little differently).
#include <cstddef>
#include <cstdint>
#include <vector>

struct GoldenTolerance {
    int channel = 12;                    // largest difference of one channel that still matches
    double differingPixelShare = 0.002;  // of all pixels, the share allowed to differ more
};

struct FrameDifference {
    size_t differing = 0;       // pixels that differ by more than the tolerance
    size_t allowed = 0;         // how many may
    int worst = 0;              // the largest difference of any channel
    std::vector<uint8_t> diff;  // RGB, top row first: red where a pixel differs, else 4x its difference
    bool matches() const { return differing <= allowed; }
};

// `actual` and `reference` hold `pixels` pixels of `actualChannels` and `referenceChannels` bytes
// (3 or 4; only the first three are compared), in the same row order.
FrameDifference compareFrames(const uint8_t* actual, int actualChannels, const uint8_t* reference,
                              int referenceChannels, size_t pixels, GoldenTolerance tolerance);
