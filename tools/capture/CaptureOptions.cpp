#include "tools/capture/CaptureOptions.h"

#include <algorithm>
#include <sstream>

#include "runtime/OptionValues.h"
#include "tools/video/VideoEncoder.h"

const char* const captureUsage =
    "usage: tarvo-capture --video FILE | --at T1,T2,... | --all-frames [--out DIR] [--fps N[/D]] [--size WxH]\n"
    "                     [--overlay] [--scene NAME [--length MS]] [--audio FILE.wav] [--crf N] [--preset NAME]\n"
    "       tarvo-capture --scene list | --help | --version\n"
    "Plays the programme on a virtual clock, so every run gives the same pixels and sound.\n"
    "  --video FILE    encodes the run with its sound: .mp4 (H.264 + AAC), .mkv (H.264 + FLAC)\n"
    "                  or .webm (VP9 + Opus)\n"
    "  --crf N         H.264 quality, 0 (lossless) to 51 (worst); 20 by default\n"
    "  --preset NAME   H.264 speed, ultrafast to veryslow; veryfast by default\n"
    "  --at T1,...     writes, for each timeline time T (ms), the first frame presented at or after T\n"
    "                  as DIR/T.png, then stops unless --video or --all-frames asks for more\n"
    "  --all-frames    writes every frame, numbered, as DIR/000000.png, ...\n"
    "  --out DIR       where the frames go (. by default; created when missing)\n"
    "  --audio FILE    writes the sound of the frames played as WAV\n"
    "  --fps N[/D]     frames per second, e.g. 60 or 60000/1001 (60 by default)\n"
    "  --size WxH      the frame size the scenes are rendered at (640x480 by default; even sides\n"
    "                  for --video, e.g. 1440x1080 or 2880x2160)\n"
    "  --scene NAME    plays the scene class of that display name alone; --scene list names them\n"
    "  --length MS     how long the one scene plays (10000 by default)\n"
    "  --overlay       shows the statistics overlay\n"
    "  --help          shows this help; --version shows the version\n"
    "Exit status: 0 when every file asked for was written, 1 when anything failed (no partial file\n"
    "is left under its name), 2 for a command line it does not understand.\n";

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

// N or N/D, from 1 to 1000 frames per second.
bool parseRate(const std::string& text, int32_t& numerator, int32_t& denominator) {
    const auto slash = text.find('/');
    int32_t n = 0;
    int32_t d = 1;
    if (!cli::parseInteger(text.substr(0, slash), 1, 1000000, n) ||
        (slash != std::string::npos && !cli::parseInteger(text.substr(slash + 1), 1, 1000000, d)) || n < d ||
        n > 1000LL * d)
        return false;
    numerator = n;
    denominator = d;
    return true;
}

bool isPreset(const std::string& name) {
    static const char* const presets[] = {"ultrafast", "superfast", "veryfast", "faster", "fast",
                                          "medium",    "slow",      "slower",   "veryslow"};
    return std::find(std::begin(presets), std::end(presets), name) != std::end(presets);
}

bool readValue(const std::string& option, const std::string& value, CaptureOptions& options) {
    if (option == "--at") return parseTimes(value, options.times);
    if (option == "--fps") return parseRate(value, options.fpsNumerator, options.fpsDenominator);
    if (option == "--size") return cli::parseSize(value, 8192, options.width, options.height);
    if (option == "--length") return cli::parseInteger(value, 1, 24 * 60 * 60 * 1000, options.lengthMs);
    if (option == "--crf") return cli::parseInteger(value, 0, 51, options.crf);
    if (option == "--preset") return isPreset(options.preset = value);
    if (option == "--video") return VideoEncoder::knowsContainerOf(options.videoPath = value);
    (option == "--out" ? options.outDir : option == "--scene" ? options.scene : options.audioPath) = value;
    return true;
}

}  // namespace

bool parseCaptureOptions(int argc, const char* const* argv, CaptureOptions& options, std::string& error) {
    struct Flag {
        const char* name;
        bool CaptureOptions::*field;
    };
    static const Flag flags[] = {{"--overlay", &CaptureOptions::overlay},
                                 {"--all-frames", &CaptureOptions::allFrames},
                                 {"--help", &CaptureOptions::help},
                                 {"--version", &CaptureOptions::version}};
    static const char* const withValue[] = {"--at",    "--out",    "--fps",   "--size",  "--scene",
                                            "--length", "--audio", "--video", "--crf",   "--preset"};
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const auto flag = std::find_if(std::begin(flags), std::end(flags),
                                       [&](const Flag& candidate) { return option == candidate.name; });
        if (flag != std::end(flags)) {
            options.*(flag->field) = true;
            continue;
        }
        if (std::find(std::begin(withValue), std::end(withValue), option) == std::end(withValue)) {
            error = "unknown option " + option;
            return false;
        }
        if (i + 1 >= argc) {
            error = "missing value for " + option;
            return false;
        }
        const std::string value = argv[++i];
        if (!readValue(option, value, options)) {
            error = "bad value for " + option + ": " + value;
            if (option == "--video") error += " (it must end in .mp4, .mkv or .webm)";
            return false;
        }
    }
    if (options.help || options.version) return true;
    if (!options.videoPath.empty() && (options.width % 2 != 0 || options.height % 2 != 0)) {
        error = "--video needs an even width and height";
        return false;
    }
    if (options.times.empty() && !options.allFrames && options.videoPath.empty() && options.scene != "list") {
        error = "--video, --at or --all-frames is required";
        return false;
    }
    return true;
}
