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

// Loads the soundtrack and places the scheduled scenes on the demo's timeline, in render order.
void scheduleProgramme(Demo& demo);

// The entry point's work: builds the demo, schedules the programme, runs it from timeline time 0;
// the process exit code.
int32_t playProgramme(const WindowSettings& window = programmeWindow);
