// The native engine's frame rate in each stretch of the programme on the headless backend (real
// OpenGL on llvmpipe), drawing as fast as it can on the virtual clock: for bench/web_frame_rate.js,
// which puts it beside the page's. Prints one line per frame: its timeline time in ms and the wall
// time in ms since the first frame.
// Usage: tarvo_programme_rate [FPS]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/headless/HeadlessControl.h"
#include "runtime/Programme.h"

int main(int argc, char** argv) {
    const int fps = argc > 1 ? std::atoi(argv[1]) : 10;
    if (fps <= 0) return 2;
    headless::setFrameRate(fps, 1);
    Demo demo(programmeWindow.title, programmeWindow.width, programmeWindow.height, programmeWindow.bits, false);
    scheduleProgramme(demo);
    const auto start = std::chrono::steady_clock::now();
    headless::onPresent([&](int64_t) {
        const auto wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
        std::printf("%d %.1f\n", demo.timelineMs(), wall.count());
    });
    return demo.run(0);
}
