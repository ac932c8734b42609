#pragma once
// What the tests hear of a module: libopenmpt renders it the way the demo plays it (44.1 kHz
// stereo, stopping at the song's end) and keeps only the levels.
#include <cstdint>
#include <string>
#include <vector>

namespace soundtrack_test {

constexpr int kRate = 44100;
constexpr int kBlocksPerSecond = 4;

struct Rendering {
    size_t frames = 0;
    float peak = 0;                 // largest sample magnitude, 1 = full scale
    std::vector<double> blockPower;  // mean square per quarter second
    std::string log;                // what libopenmpt said while loading

    double seconds() const { return static_cast<double>(frames) / kRate; }
    // Mean loudness between two times, in dB relative to full scale.
    double loudnessDb(double from, double to) const;
};

Rendering render(const std::vector<uint8_t>& module);

// Spectral power of a mono signal at one frequency (a Hann-windowed Goertzel filter).
double powerAt(const std::vector<float>& signal, double hz);

// The frequency in [low, high] where the signal is strongest, in 0.1 Hz steps.
double strongestFrequency(const std::vector<float>& signal, double low, double high);

// The left channel of the first `seconds` of a module.
std::vector<float> renderLeft(const std::vector<uint8_t>& module, double seconds);

}  // namespace soundtrack_test
