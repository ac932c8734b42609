#pragma once
// The command line of tarvo-capture.
#include <cstdint>
#include <string>
#include <vector>

struct CaptureOptions {
    std::vector<int32_t> times;  // timeline times to write, ascending
    std::string outDir = ".";
    int32_t fpsNumerator = 60;  // frames per second = numerator / denominator
    int32_t fpsDenominator = 1;
    int32_t width = 640;
    int32_t height = 480;
    bool overlay = false;
    bool allFrames = false;   // every frame presented, as DIR/000000.png, DIR/000001.png, ...
    std::string scene;        // one scene class alone instead of the programme; "list" lists them
    int32_t lengthMs = 10000; // of the one scene
    std::string audioPath;    // where to write the soundtrack as heard, if anywhere
    std::string videoPath;    // where to encode the run as video with its sound, if anywhere
    int32_t crf = 20;
    std::string preset = "veryfast";
    bool help = false;
    bool version = false;
};

// Reads the options; false with a message for the user when they make no sense.
bool parseCaptureOptions(int argc, const char* const* argv, CaptureOptions& options, std::string& error);

extern const char* const captureUsage;
