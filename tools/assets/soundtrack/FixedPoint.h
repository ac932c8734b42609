#pragma once
// Integer signal maths for the instruments. The samples must come out byte for byte the same on
// every machine and compiler, so nothing here touches floating point: values are Q30 fixed point
// (1.0 = 2^30) and phases are 32-bit fractions of a turn.
#include <cstdint>

namespace soundtrack {

constexpr int64_t kOneQ30 = int64_t{1} << 30;

// sin(2 pi phase / 2^32), Q30.
int32_t sineQ30(uint32_t phase);

// 2^(-numerator / denominator), Q30; numerator >= 0, denominator > 0.
int64_t exp2NegQ30(int64_t numerator, int64_t denominator);

inline int64_t mulQ30(int64_t a, int64_t b) { return (a * b) >> 30; }

// Phase step per sample frame of a tone of hzQ16 / 65536 Hz played at sampleRate.
inline uint32_t phaseStep(int64_t hzQ16, int sampleRate) {
    return static_cast<uint32_t>((hzQ16 << 16) / sampleRate);
}

// Uniform white noise in [-2^30, 2^30), from a fixed seed.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    int32_t nextQ30() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int32_t>(state_ >> 1) - (1 << 30);
    }

private:
    uint32_t state_;
};

// One-pole low-pass; its coefficient (Q16, 65536 = no filtering) may change per sample.
class OnePoleLowPass {
public:
    int64_t process(int64_t x, int64_t coefficientQ16) {
        y_ += ((x - y_) * coefficientQ16) >> 16;
        return y_;
    }

private:
    int64_t y_ = 0;
};

// The coefficient that puts a one-pole filter's corner near cutoffHz.
int64_t onePoleCoefficientQ16(int64_t cutoffHz, int sampleRate);

// y = 1.5 x - 0.5 x^3 for |x| <= 1, flat beyond: a gentle saturation for Q30 values.
int64_t softClipQ30(int64_t x);

}  // namespace soundtrack
