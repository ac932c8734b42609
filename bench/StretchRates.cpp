// The whole programme on the headless backend, drawn as fast as it can on the virtual clock: the
// frames drawn per second of wall time in each stretch of the programme and, built on the
// fixed-function layer, the GLES calls and draws the layer makes per frame (not counted: the few
// calls the engine makes to GLES past the layer, glClearColor, glPixelStorei, glGetIntegerv).
// Built twice: on real OpenGL (tarvo_stretch_rates) and on the layer over OpenGL ES 3
// (tarvo_stretch_rates_fixedgl), both on Mesa's llvmpipe, so the figures compare only on one machine.
// Usage: tarvo_stretch_rates[_fixedgl] [FPS]   (frames per second of programme, 10 unless told)
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/headless/HeadlessControl.h"
#include "runtime/Programme.h"
#ifdef TARVO_FIXED_GL
#include "platform/fixedgl/GlesCalls.h"
#endif

namespace {

struct Counts {
    uint64_t calls = 0, draws = 0;
};

#ifdef TARVO_FIXED_GL
constexpr const char* glName = "the fixed-function layer over OpenGL ES 3";
constexpr bool counting = true;
Counts countsNow() {
    const fixedgl::CallCounts counts = fixedgl::callCounts();
    return {counts.calls, counts.draws};
}
#else
constexpr const char* glName = "real OpenGL";
constexpr bool counting = false;
Counts countsNow() { return {}; }
#endif

struct Stretch {
    int32_t fromMs, toMs;
    const char* scenes;
    int frames = 0;
    double wallMs = 0;
    uint64_t calls = 0, draws = 0;
};

Stretch stretches[] = {
    {0, 13000, "tunnel"},
    {13000, 39500, "tunnel + helix"},
    {39500, 45000, "tunnel + helix + flares"},
    {45000, 65000, "tunnel + flares"},
    {65000, 70000, "lightball + credits + flares"},
    {70000, 120000, "lightball + credits"},
    {120000, 134000, "lightball"},
    {134000, 155000, "greets"},
};

void print(int fps) {
    std::printf("%s on llvmpipe, at %d frames per second of programme\n", glName, fps);
    std::printf("%-42s%8s%s\n", "stretch", "fps", counting ? "   calls/frame   draws/frame" : "");
    for (const Stretch& stretch : stretches) {
        char label[64];
        std::snprintf(label, sizeof label, "%s (%g-%g s)", stretch.scenes, stretch.fromMs / 1000.0,
                      stretch.toMs / 1000.0);
        const double frames = stretch.frames > 0 ? stretch.frames : 1;
        std::printf("%-42s%8.1f", label, stretch.frames / (stretch.wallMs / 1000));
        if (counting)
            std::printf("%14.0f%14.1f", static_cast<double>(stretch.calls) / frames,
                        static_cast<double>(stretch.draws) / frames);
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int fps = argc > 1 ? std::atoi(argv[1]) : 10;
    if (fps <= 0) return 2;
    headless::setFrameRate(fps, 1);
    Demo demo(programmeWindow.title, programmeWindow.width, programmeWindow.height, programmeWindow.bits, false);
    scheduleProgramme(demo);
    // Each frame is charged the wall time and the calls since the one before; the first frame,
    // which pays for starting up, is left out.
    bool first = true;
    auto last = std::chrono::steady_clock::now();
    Counts lastCounts = countsNow();
    headless::onPresent([&](int64_t) {
        const auto now = std::chrono::steady_clock::now();
        const Counts counts = countsNow();
        const int32_t timelineMs = demo.timer->elapsedMs() + demo.offsetMs;
        for (Stretch& stretch : stretches) {
            if (first || timelineMs < stretch.fromMs || timelineMs >= stretch.toMs) continue;
            ++stretch.frames;
            stretch.wallMs += std::chrono::duration<double, std::milli>(now - last).count();
            stretch.calls += counts.calls - lastCounts.calls;
            stretch.draws += counts.draws - lastCounts.draws;
        }
        first = false;
        last = now;
        lastCounts = counts;
    });
    const int exitCode = demo.run(0);
    headless::onPresent(nullptr);
    print(fps);
    return exitCode;
}
