#include "platform/web/PageOptions.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "platform/emulated/FrameClock.h"

namespace web {

namespace {

// A whole decimal number from `minimum` up to what int32_t holds; nothing else.
bool readNumber(const std::string& text, int32_t minimum, int32_t& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    const long long number = std::strtoll(text.c_str(), nullptr, 10);
    if (errno != 0 || number < minimum || number > std::numeric_limits<int32_t>::max()) return false;
    value = static_cast<int32_t>(number);
    return true;
}

}  // namespace

PageOptions parsePageOptions(const std::string& fragment, std::string& problem) {
    PageOptions options;
    bool fpsGiven = false;
    int32_t fps = options.fps;
    size_t begin = !fragment.empty() && fragment[0] == '#' ? 1 : 0;
    while (begin < fragment.size()) {
        size_t end = fragment.find('&', begin);
        if (end == std::string::npos) end = fragment.size();
        const std::string item = fragment.substr(begin, end - begin);
        begin = end + 1;
        const size_t equals = item.find('=');
        const std::string name = item.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : item.substr(equals + 1);
        if (name == "at") {
            options.deterministic = readNumber(value, 0, options.atMs);
            if (!options.deterministic) problem = "at=" + value + " is not a time in milliseconds";
        } else if (name == "fps") {
            fpsGiven = readNumber(value, 1, fps);
            if (!fpsGiven) problem = "fps=" + value + " is not a frame rate";
        } else if (name == "start") {
            if (!readNumber(value, 0, options.startMs)) {
                options.startMs = 0;
                problem = "start=" + value + " is not a time in milliseconds";
            }
        }
    }
    if (options.deterministic && fpsGiven) options.fps = fps;
    return options;
}

int64_t frameTick(int64_t frame, int32_t fps) { return emulated::frameStart(frame, {fps, 1}, ticksPerSecond); }

int32_t frameTimeMs(int64_t frame, int32_t fps) {
    constexpr int64_t ticksPerMs = ticksPerSecond / 1000;
    return static_cast<int32_t>((frameTick(frame, fps) + ticksPerMs / 2) / ticksPerMs);
}

}  // namespace web
