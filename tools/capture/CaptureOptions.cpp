#include "tools/capture/CaptureOptions.h"

#include <algorithm>
#include <sstream>

#include "runtime/OptionValues.h"

const char* const captureUsage =
    "usage: tarvo-capture --at T1,T2,... | --all-frames [--out DIR] [--fps N] [--size WxH] [--overlay]\n"
    "                     [--scene NAME [--length MS]] [--audio FILE.wav]\n"
    "       tarvo-capture --scene list\n"
    "Plays the programme on a virtual clock and writes, for each timeline time T (ms), the first\n"
    "frame presented at or after T as DIR/T.png. --scene plays the scene class of that display\n"
    "name alone, from 0 to MS (10000 by default); --all-frames writes every frame, numbered, to the\n"
    "end; --audio writes the soundtrack of the frames played, for putting the two together as video.\n";

namespace {

bool parseTimes(const std::string& list, std::vector<int32_t>& times) {
    std::istringstream items(list);
    std::string item;
    while (std::getline(items, item, ',')) {
        int32_t time = 0;
        if (!cli::parseInteger(item, 0, 24 * 60 * 60 * 1000, time)) return false;
        times.push_back(time);
    }
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    return !times.empty();
}

}  // namespace

bool parseCaptureOptions(int argc, const char* const* argv, CaptureOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--overlay" || option == "--all-frames") {
            (option == "--overlay" ? options.overlay : options.allFrames) = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = "missing value for " + option;
            return false;
        }
        const std::string value = argv[++i];
        bool valid = true;
        if (option == "--at")
            valid = parseTimes(value, options.times);
        else if (option == "--out")
            options.outDir = value;
        else if (option == "--fps")
            valid = cli::parseInteger(value, 1, 1000, options.fps);
        else if (option == "--size")
            valid = cli::parseSize(value, 8192, options.width, options.height);
        else if (option == "--scene")
            options.scene = value;
        else if (option == "--length")
            valid = cli::parseInteger(value, 1, 24 * 60 * 60 * 1000, options.lengthMs);
        else if (option == "--audio")
            options.audioPath = value;
        else {
            error = "unknown option " + option;
            return false;
        }
        if (!valid) {
            error = "bad value for " + option + ": " + value;
            return false;
        }
    }
    if (options.times.empty() && !options.allFrames && options.scene != "list") {
        error = "--at or --all-frames is required";
        return false;
    }
    return true;
}
