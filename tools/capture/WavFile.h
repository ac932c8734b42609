#pragma once
// Writes interleaved stereo 16-bit samples as a WAV file while they are produced; the header's
// sizes are filled in when the file is finished.
#include <cstdint>
#include <string>

#include "tools/output/OutputFile.h"

class WavFile {
public:
    explicit WavFile(std::string path) : file(std::move(path)) {}

    // Creates the file and writes a header for an empty track; false with the reason.
    bool create(int sampleRate, std::string& error);
    // False once a write has failed; finish then says why.
    bool write(const int16_t* stereo, int frames);
    // Fills in the sizes and gives the file its name; false with the reason when any of it failed.
    bool finish(std::string& error);

private:
    void writeHeader(uint32_t dataBytes);

    OutputFile file;
    int rate = 0;
    uint64_t dataBytes = 0;
};
