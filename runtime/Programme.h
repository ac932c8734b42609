#pragma once
// The whole configuration of the demo: the window, the soundtrack and the schedule of scenes.
#include <cstdint>

#include "runtime/Demo.h"

struct WindowSettings {
    const char* title;
    int32_t width;
    int32_t height;
    int32_t bits;
    bool fullscreen;
};

constexpr WindowSettings programmeWindow = {"Tarvo - Brunelak 2001", 640, 480, 32, true};
constexpr int32_t soundtrackResourceId = 142;
constexpr int32_t programmeEndMs = 155000;

struct PlayerOptions;

// Loads the soundtrack and places the scheduled scenes on the demo's timeline, in render order.
void scheduleProgramme(Demo& demo);

// Builds the demo as the options ask, schedules the programme and runs it; the exit code.
int32_t playProgramme(const PlayerOptions& options);

// The entry point's work on every backend: reads the command line (plain --fullscreen meaning
// `platformFullScreen`), answers --help and --version, and plays the programme; the process exit
// code (2 for a command line it does not understand, 1 without a display).
int playerMain(int argc, const char* const* argv, platform::FullScreenKind platformFullScreen);
