#pragma once
// Writes interleaved stereo 16-bit samples as a WAV file.
#include <cstdint>
#include <string>
#include <vector>

bool writeWav(const std::string& path, int sampleRate, const std::vector<int16_t>& stereoSamples);
