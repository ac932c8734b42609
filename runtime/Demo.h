#pragma once
// The runner: owns the window, the timeline, the clock, the music, the textures and the console,
// brings them up in a fixed order, and runs the frame loop until Escape, the end of the programme
// or a closed window. F12 toggles the statistics overlay, F11 rebuilds the window in the other
// display mode while the music and the timeline run on.
#include <cstdint>

#include "platform/GLWindow.h"
#include "platform/TextConsole.h"
#include "platform/TextureRegistry.h"
#include "runtime/FrameTimer.h"
#include "runtime/MusicPlayer.h"
#include "runtime/SceneTimeline.h"

class Demo {
public:
    // Frames a key must wait after its toggle before it is honoured again.
    static constexpr int32_t keyDelayFrames = 25;

    // Creates the window (not yet shown) and opens the audio output. A null title gives "OGL".
    Demo(const char* title, int32_t width, int32_t height, int32_t bits, bool fullscreen);
    ~Demo();
    Demo(const Demo&) = delete;
    Demo& operator=(const Demo&) = delete;

    // Loads the soundtrack as a tracker module from a resource id or a file name.
    uint32_t loadMusic(int32_t resourceId);
    uint32_t loadMusic(const char* fileName);
    void addScene(Scene* scene, int32_t startMs, int32_t endMs);
    // Starts everything and runs the frame loop from timeline time offsetMs, the music from
    // musicFromMs into it; the process exit code.
    int32_t run(int32_t offsetMs, int32_t musicFromMs = 0);
    // The timeline time the scenes are drawn at: the clock since the music started, less the time
    // the output takes before its first sample is heard, from the run's offset on.
    int32_t timelineMs();

    GLWindow* window = nullptr;
    SceneTimeline* timeline = nullptr;
    FrameTimer* timer = nullptr;
    MusicPlayer* music = nullptr;
    int32_t offsetMs = 0;
    // How long after the music starts its first sample is heard; timeline time stands at the offset
    // until then, so picture and sound begin together.
    int32_t musicLatencyMs = 0;
    bool musicLoaded = false;
    int32_t endMs = 0;
    TextureRegistry* textures = nullptr;
    TextConsole* console = nullptr;

private:
    enum class Step { NextIteration, ReturnFailure };

    void initScenes();
    bool renderScenes(int32_t& rows);
    void toggleDebug();
    Step switchDisplayMode();
    void queueOverlay(int32_t rows);
    float measureFrameRate();
};

// Runner state that lives for the whole process, never reset by a run.
struct RunnerState {
    int32_t debugDelay;
    int32_t modeDelay;
    int32_t fpsWindowStart;
    int32_t fpsWindowMs;
    int32_t fpsFrames;
};
extern RunnerState runnerState;
