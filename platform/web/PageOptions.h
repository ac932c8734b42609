#pragma once
// The options of the page, read from its URL's fragment ("#at=20000&fps=30"). Plain C++, so
// the parsing is tested natively.
#include <cstdint>
#include <string>

namespace web {

struct PageOptions {
    // Deterministic mode: no click, no sound, no question, a window in the page, a virtual counter
    // that moves by one frame at `fps` per presented frame, and the first frame presented at or
    // after `atMs` held.
    bool deterministic = false;
    int32_t atMs = 0;
    int32_t fps = 60;
    // Real-time mode only: the timeline time of the first frame and the music's position then,
    // as the native player's --start.
    int32_t startMs = 0;
};

// Reads `at` (milliseconds, 0 or more), `fps` (1 or more, only with `at`) and `start` (milliseconds,
// 0 or more) from the fragment, with or without its '#'. Other names are left for others to read;
// a malformed value leaves its option at the default, and the reason, if any, in `problem`.
PageOptions parsePageOptions(const std::string& fragment, std::string& problem);

// The page's counter ticks at 1 GHz, as the headless backend's does.
constexpr int64_t ticksPerSecond = 1000000000;

// Where frame n begins on the virtual counter at `fps` frames per second: n x 10^9 / fps ticks,
// rounded down, exactly as the headless backend counts.
int64_t frameTick(int64_t frame, int32_t fps);
// The same in milliseconds, rounded to the nearest as the demo's timer reads the counter.
int32_t frameTimeMs(int64_t frame, int32_t fps);

}  // namespace web
