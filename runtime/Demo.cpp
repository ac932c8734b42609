#include "runtime/Demo.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/GLStateCache.h"
#include "platform/Platform.h"
#include "platform/WindowMessages.h"
#include "runtime/StatisticsOverlay.h"

RunnerState runnerState = {};


Demo::Demo(const char* title, int32_t width, int32_t height, int32_t bits, bool fullscreen) {
    textures = new TextureRegistry;
    timeline = new SceneTimeline;
    timer = new FrameTimer;
    window = new GLWindow;
    music = new MusicPlayer;
    console = new TextConsole;
    timeline->textures = textures;
    if (!window->create(title != nullptr ? title : "OGL", width, height, bits, fullscreen)) {
        // create has torn down what it made and told the user why; the object itself goes too.
        delete window;
        window = nullptr;
    }
    musicLoaded = false;
    music->openOutput();
}

Demo::~Demo() {
    if (window != nullptr) {
        window->destroy();
        delete window;
    }
    timeline->releaseAll();
    delete textures;
    delete timeline;
    delete timer;
    delete music;
    delete console;
}

uint32_t Demo::loadMusic(int32_t resourceId) {
    const uint32_t handle = music->load(resourceId, MusicPlayer::moduleKind);
    musicLoaded = true;
    return handle;
}

uint32_t Demo::loadMusic(const char* fileName) {
    const uint32_t handle = music->load(fileName, MusicPlayer::moduleKind);
    musicLoaded = true;
    return handle;
}

void Demo::addScene(Scene* scene, int32_t startMs, int32_t endMs_) {
    scene->startMs = startMs;
    scene->endMs = endMs_;
    if (endMs_ > endMs) endMs = endMs_;
    timeline->add(scene);
}

int32_t Demo::timelineMs() {
    const int32_t elapsed = timer->elapsedMs();
    if (elapsed < 0) return elapsed + offsetMs;  // the counter has failed: keep its -1
    return std::max(0, elapsed - musicLatencyMs) + offsetMs;
}

void Demo::initScenes() {
    const Scene* failed = timeline->initAll(0);
    if (failed == nullptr) return;
    char text[512];
    std::snprintf(text, sizeof text, "Failed Initializing scene. Scene name: %s", failed->name);
    platform::messageBox(text, "Error", platform::MB_OK);
}

int32_t Demo::run(int32_t offset, int32_t musicFromMs) {
    offsetMs = offset;
    // Without a window the constructor has already said why; there is nothing to run.
    if (window == nullptr) return 1;
    initScenes();
    console->loadFont();
    if (!window->start()) {
        delete window;  // start has destroyed it already
        window = nullptr;
        return 1;
    }
    resetCaps();
    textures->uploadAll();
    timeline->initAll(2);
    console->buildFont();
    if (musicLoaded) music->play(musicFromMs);
    musicLatencyMs = musicLoaded ? music->outputLatencyMs() : 0;
    timer->reset();

    RunnerState& state = runnerState;
    bool quit = false;
    int32_t exitCode = 0;
    platform::Message message{};
    while (!quit) {
        if (platform::peekMessage(message)) {
            if (message.message == platform::WM_QUIT) {
                exitCode = static_cast<int32_t>(message.wParam);
                break;
            }
            platform::translateMessage(message);
            platform::dispatchMessage(message);
            continue;
        }
        int32_t rows = 0;
        if (!renderScenes(rows)) quit = true;
        uint8_t* keys = window->keys;
        if (keys[platform::VK_ESCAPE] || timelineMs() >= endMs) {
            platform::postQuitMessage(0);
        } else if (keys[platform::VK_F12] && state.debugDelay == 0) {
            toggleDebug();
        } else if (keys[platform::VK_F11] && state.modeDelay == 0) {
            if (switchDisplayMode() == Step::ReturnFailure) return 1;
        } else {
            if (state.modeDelay > 0) --state.modeDelay;
            if (state.debugDelay > 0) --state.debugDelay;
            queueOverlay(rows);
            console->flush();
            ++state.fpsFrames;
            window->swapBuffers();
        }
    }
    music->stop();
    console->shutdown();
    return exitCode;
}

bool Demo::renderScenes(int32_t& rows) {
    bool allRendered = true;
    timeline->updateActive(timelineMs());
    while (Scene* scene = timeline->nextActive()) {
        if (!scene->render(timelineMs() - scene->startMs)) {
            allRendered = false;
            continue;
        }
        ++rows;
        overlay::queueSceneRow(*console, rows, *scene, timelineMs() - scene->startMs);
    }
    return allRendered;
}

void Demo::toggleDebug() {
    window->keys[platform::VK_F12] = 0;
    console->debug = !console->debug;
    console->setStatus("Debug mode %s", console->debug ? "enabled" : "disabled");
    runnerState.debugDelay = keyDelayFrames;
}

Demo::Step Demo::switchDisplayMode() {
    runnerState.modeDelay = keyDelayFrames;
    window->keys[platform::VK_F11] = 0;
    char title[sizeof window->title];
    std::memcpy(title, window->title, sizeof title);
    const int32_t width = window->width;
    const int32_t height = window->height;
    console->releaseFont();
    const bool fullscreen = !window->fullscreen;
    window->destroy();
    delete window;
    window = nullptr;
    console->setStatus("Switching to %s mode", fullscreen ? "fullscreen" : "windowed");

    window = new GLWindow;
    if (!window->create(title, width, height, 32, fullscreen)) {
        delete window;  // torn down by create, which has told the user why
        window = nullptr;
        return Step::ReturnFailure;
    }
    resetCaps();
    textures->uploadAll();
    timeline->initAll(1);
    timeline->initAll(2);
    if (!window->start()) {
        delete window;  // destroyed by start
        window = nullptr;
        return Step::ReturnFailure;
    }
    console->buildFont();
    return Step::NextIteration;
}

// A running average over a window of about a second; the frame that restarts the window shows 0.
float Demo::measureFrameRate() {
    RunnerState& state = runnerState;
    state.fpsWindowMs = timelineMs() - state.fpsWindowStart;
    if (state.fpsWindowMs > 1000) {
        state.fpsFrames = 0;
        state.fpsWindowStart = timelineMs();
    }
    if (state.fpsWindowMs == 0) return 0.0f;
    return static_cast<float>(state.fpsFrames / (state.fpsWindowMs * 0.001));
}

void Demo::queueOverlay(int32_t rows) {
    overlay::queueTableFrame(*console, rows);
    const double fps = measureFrameRate();
    const int32_t t = timelineMs();
    overlay::queueClock(*console, t, timelineMs(), fps);
}
