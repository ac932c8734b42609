#include "tools/capture/Progress.h"

#include <algorithm>
#include <string>

namespace {

constexpr int32_t logEveryMs = 10000;
constexpr auto redrawEvery = std::chrono::milliseconds(250);

std::string minutesAndSeconds(double seconds) {
    const long total = static_cast<long>(seconds + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
    return text;
}

}  // namespace

Progress::Progress(std::FILE* out_, int32_t endMs_, bool terminal_)
    : out(out_), endMs(std::max(endMs_, 1)), terminal(terminal_) {}

double Progress::elapsedSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

void Progress::update(int64_t frames, int32_t nowMs) {
    lastFrames = frames;
    lastMs = nowMs;
    if (terminal) {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastDrawn < redrawEvery) return;
        lastDrawn = now;
        print(frames, nowMs);
    } else if (nowMs >= nextLogMs) {
        nextLogMs = (nowMs / logEveryMs + 1) * logEveryMs;
        print(frames, nowMs);
    }
}

void Progress::print(int64_t frames, int32_t nowMs) {
    const double wall = std::max(elapsedSeconds(), 1e-3);
    const double done = std::clamp(static_cast<double>(nowMs) / endMs, 0.0, 1.0);
    const double speed = nowMs / 1000.0 / wall;  // seconds of programme per second
    const std::string left = speed > 0 ? minutesAndSeconds((endMs - nowMs) / 1000.0 / speed) : "?";
    if (terminal) {
        constexpr int width = 30;
        const int filled = static_cast<int>(done * width);
        std::fprintf(out, "\r[%s%s] %3d%%  %5.1f fps  %4.2fx real time  %s left ", std::string(filled, '#').c_str(),
                     std::string(width - filled, '.').c_str(), static_cast<int>(done * 100), frames / wall, speed,
                     left.c_str());
        drawn = true;
    } else {
        std::fprintf(out, "tarvo-capture: %d of %d s (%d%%), %.1f fps, %.2fx real time, %s left\n", nowMs / 1000,
                     endMs / 1000, static_cast<int>(done * 100), frames / wall, speed, left.c_str());
    }
    std::fflush(out);
}

void Progress::finish() {
    if (!drawn) return;
    print(lastFrames, lastMs);  // the line as it ended, not as it was last redrawn
    std::fputc('\n', out);
    drawn = false;
}
