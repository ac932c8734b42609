#pragma once
// The command line of tarvo-capture.
#include <cstdint>
#include <string>
#include <vector>

struct CaptureOptions {
    std::vector<int32_t> times;  // timeline times to write, ascending
    std::string outDir = ".";
    int32_t fps = 60;
    int32_t width = 640;
    int32_t height = 480;
    bool overlay = false;
};

// Reads the options; false with a message for the user when they make no sense.
bool parseCaptureOptions(int argc, const char* const* argv, CaptureOptions& options, std::string& error);

extern const char* const captureUsage;
