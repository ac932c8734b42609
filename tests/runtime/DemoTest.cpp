#include "runtime/Demo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/GL.h"
#include "platform/WindowMessages.h"
#include "platform/headless/HeadlessControl.h"
#include "runtime/ModuleSource.h"
#include "runtime/StatisticsOverlay.h"
#include "tests/support/TgaFiles.h"

namespace {

using namespace platform;

// Covers the frame with its texture, notes the local times it was given and can be told to fail.
class TextureScene : public Scene {
public:
    bool init(int32_t phase) override {
        std::strcpy(name, "Colour");
        phases.push_back(phase);
        if (phase == 0 && textures != nullptr) textures->requestTexture(117, 0);
        return initSucceeds;
    }
    bool render(int32_t localMs) override {
        times.push_back(localMs);
        textures->bindTexture(117);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_BLEND);
        glColor3f(1, 1, 1);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0), glVertex2f(-1, -1);
        glTexCoord2f(1, 0), glVertex2f(1, -1);
        glTexCoord2f(1, 1), glVertex2f(1, 1);
        glTexCoord2f(0, 1), glVertex2f(-1, 1);
        glEnd();
        return localMs < failFromMs;
    }

    std::vector<int32_t> phases;
    std::vector<int32_t> times;
    bool initSucceeds = true;
    int32_t failFromMs = INT32_MAX;
};

class DemoTest : public ::testing::Test {
protected:
    void SetUp() override { resetBackend(); }
    void resetBackend() {
        headless::reset();
        runnerState = {};
        headless::setResource(117, tga::filled(2, 2, 255, 0, 0, 255));
    }
    void TearDown() override {
        headless::onPresent(nullptr);
        headless::reset();
    }

    std::unique_ptr<Demo> makeDemo(bool fullscreen = false) {
        return std::make_unique<Demo>("Demo", 64, 48, 32, fullscreen);
    }

    static bool called(const std::string& call) {
        const auto& calls = headless::calls();
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

    // The calls made so far that begin with one of these words.
    static std::vector<std::string> callsOf(std::initializer_list<std::string> names) {
        std::vector<std::string> found;
        for (const std::string& call : headless::calls())
            for (const std::string& name : names)
                if (call.rfind(name, 0) == 0) found.push_back(call);
        return found;
    }

    TextureScene scene;
};

TEST_F(DemoTest, EscapeEndsTheRunWithZero) {
    auto demo = makeDemo();
    demo->addScene(&scene, 0, 100000);
    headless::scriptKey(10, VK_ESCAPE, true);
    EXPECT_EQ(demo->run(0), 0);
    EXPECT_EQ(headless::framesPresented(), 10);
    EXPECT_EQ(scene.phases, (std::vector<int32_t>{0, 2}));
}

TEST_F(DemoTest, ClosingTheWindowEndsTheRunWithZero) {
    auto demo = makeDemo();
    demo->addScene(&scene, 0, 100000);
    headless::scriptClose(5);
    EXPECT_EQ(demo->run(0), 0);
    EXPECT_EQ(headless::framesPresented(), 5);
}

TEST_F(DemoTest, TheEndOfTheTimelineQuitsWithoutPresentingThatFrame) {
    auto demo = makeDemo();
    demo->addScene(&scene, 0, 100);
    EXPECT_EQ(demo->endMs, 100);
    EXPECT_EQ(demo->run(0), 0);
    // Frames at 0, 17, 33, 50, 67 and 83 ms; the one at 100 ms ends the run unshown.
    EXPECT_EQ(headless::framesPresented(), 6);
    EXPECT_EQ(scene.times, (std::vector<int32_t>{0, 17, 33, 50, 67, 83}));
}

TEST_F(DemoTest, AFailingRenderCompletesItsFrameAndEndsWithZero) {
    auto demo = makeDemo();
    scene.failFromMs = 50;
    demo->addScene(&scene, 0, 100000);
    EXPECT_EQ(demo->run(0), 0);
    EXPECT_EQ(headless::framesPresented(), 4);
}

TEST_F(DemoTest, HeldF12TogglesTheOverlayOncePerTwentySixFrames) {
    auto demo = makeDemo();
    demo->addScene(&scene, 0, 100000);
    for (int frame = 0; frame < 100; ++frame) headless::scriptKey(frame, VK_F12, true);  // held, repeating
    headless::scriptKey(100, VK_ESCAPE, true);
    std::vector<bool> shown;
    headless::onPresent([&](int64_t) { shown.push_back(demo->console->debug); });
    demo->run(0);
    ASSERT_EQ(shown.size(), 100u);
    for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i], (i / 25) % 2 == 0) << "frame " << i;
    EXPECT_STREQ(demo->console->statusText, "Debug mode disabled");
}

TEST_F(DemoTest, F11RebuildsTheWindowWhileTheTimelineRunsOn) {
    auto demo = makeDemo(true);
    demo->addScene(&scene, 0, 100000);
    headless::scriptKey(10, VK_F11, true);
    headless::scriptKey(11, VK_F11, false);
    headless::scriptKey(30, VK_ESCAPE, true);
    std::vector<uint8_t> pixel;
    headless::onPresent([&](int64_t frame) {
        // The texture was uploaded again into the new context: the quad is red, not white.
        if (frame != 20) return;
        const std::vector<uint8_t> pixels = demo->window->frame().readPixels();
        const size_t centre = (24 * 64 + 32) * 4;  // clear of the status line at the bottom
        pixel.assign(pixels.begin() + centre, pixels.begin() + centre + 4);
    });
    EXPECT_EQ(demo->run(0), 0);
    EXPECT_TRUE(called("createWindow FullScreen 64x48"));
    EXPECT_TRUE(called("createWindow Windowed 80x87"));
    EXPECT_FALSE(demo->window->fullscreen);
    EXPECT_EQ(demo->window->width, 64);
    EXPECT_EQ(demo->window->height, 48);
    EXPECT_STREQ(demo->console->statusText, "Switching to windowed mode");
    EXPECT_EQ(scene.phases, (std::vector<int32_t>{0, 2, 1, 2}));
    ASSERT_FALSE(pixel.empty());
    EXPECT_EQ(pixel[0], 255);
    EXPECT_EQ(pixel[1], 0);
    EXPECT_TRUE(std::is_sorted(scene.times.begin(), scene.times.end()));
    EXPECT_EQ(scene.times.back(), 500);  // the frame after 30 presented ones: no time lost
}

TEST_F(DemoTest, HeldF11RebuildsOncePerTwentySixFramesAtTheCurrentSize) {
    const auto expectWindowsPixelFormat = [] {
        const PixelFormat format = headless::lastPixelFormat();
        EXPECT_EQ(format.size, 40);
        EXPECT_EQ(format.version, 1);
        EXPECT_EQ(format.flags, 0x25u);  // to a window, OpenGL, double-buffered
        EXPECT_EQ(format.pixelType, 0);  // RGBA
        EXPECT_EQ(format.colorBits, 32);
        EXPECT_EQ(format.depthBits, 16);
        EXPECT_EQ(format.layerType, 0);  // the main plane
    };
    auto demo = makeDemo();
    expectWindowsPixelFormat();
    demo->addScene(&scene, 0, 100000);
    headless::scriptResize(0, 72, 40);
    for (int frame = 0; frame < 60; ++frame) headless::scriptKey(frame, VK_F11, true);  // held, repeating
    headless::scriptKey(60, VK_ESCAPE, true);
    std::vector<std::pair<int64_t, std::string>> statuses;  // each new status and the frame it shows in
    headless::onPresent([&](int64_t frame) {
        if (statuses.empty() || statuses.back().second != demo->console->statusText)
            statuses.emplace_back(frame, demo->console->statusText);
    });
    EXPECT_EQ(demo->run(0), 0);
    EXPECT_EQ(headless::framesPresented(), 60);
    EXPECT_EQ(statuses, (std::vector<std::pair<int64_t, std::string>>{{0, "Switching to fullscreen mode"},
                                                                     {25, "Switching to windowed mode"},
                                                                     {50, "Switching to fullscreen mode"}}));
    // Every window has the client size of the one before, resized, and full screen takes 32 bits.
    EXPECT_EQ(callsOf({"createWindow", "changeDisplayMode"}),
              (std::vector<std::string>{"createWindow Windowed 80x87", "changeDisplayMode 72x40x32",
                                        "createWindow FullScreen 72x40", "createWindow Windowed 88x79",
                                        "changeDisplayMode 72x40x32", "createWindow FullScreen 72x40"}));
    expectWindowsPixelFormat();
}

TEST_F(DemoTest, TheFrameRateWindowRestartsOnceMoreThanASecondHasPassed) {
    auto demo = makeDemo();
    demo->addScene(&scene, 0, 100000);
    headless::scriptKey(125, VK_ESCAPE, true);
    std::vector<RunnerState> states;  // as each frame is presented, after its frame count
    headless::onPresent([&](int64_t) { states.push_back(runnerState); });
    demo->run(0);
    ASSERT_EQ(states.size(), 125u);
    const auto expectWindow = [&](size_t frame, int32_t startMs, int32_t lengthMs, int32_t frames) {
        EXPECT_EQ(states[frame].fpsWindowStart, startMs) << "frame " << frame;
        EXPECT_EQ(states[frame].fpsWindowMs, lengthMs) << "frame " << frame;
        EXPECT_EQ(states[frame].fpsFrames, frames) << "frame " << frame;
    };
    expectWindow(0, 0, 0, 1);  // a window of no length: the rate shows 0.00
    expectWindow(1, 0, 17, 2);
    expectWindow(60, 0, 1000, 61);  // a second exactly is not more than one
    // The frame at 1017 ms restarts the window: no frames in it yet, so it shows 0.00 too.
    expectWindow(61, 1017, 1017, 1);
    expectWindow(121, 1017, 1000, 61);
    expectWindow(122, 2033, 1016, 1);
}

TEST_F(DemoTest, AFailedRebuildReturnsOneAndLeavesNothingToTearDown) {
    for (const headless::Step step : {headless::Step::CreateWindow, headless::Step::CreateContext}) {
        SCOPED_TRACE(static_cast<int>(step));
        resetBackend();
        auto demo = makeDemo();
        demo->addScene(&scene, 0, 100000);
        headless::failStep(step);  // from the rebuild on: the first window is made already
        headless::scriptKey(3, VK_F11, true);
        EXPECT_EQ(demo->run(0), 1);
        EXPECT_EQ(headless::framesPresented(), 3);
        EXPECT_EQ(demo->window, nullptr);
        EXPECT_STREQ(demo->console->statusText, "Switching to fullscreen mode");
        // The create says why; the teardowns of both windows went without a shutdown error.
        ASSERT_EQ(headless::messageBoxes().size(), 1u);
        EXPECT_EQ(headless::messageBoxes()[0].caption, "ERROR");
        EXPECT_TRUE(headless::openWindows().empty());
        EXPECT_EQ(callsOf({"unregisterWindowClass"}).size(), 2u);
        const size_t callsAtReturn = headless::calls().size();
        demo.reset();
        const std::vector<std::string> later(headless::calls().begin() + callsAtReturn, headless::calls().end());
        EXPECT_EQ(later, (std::vector<std::string>{"stopAudioOutput"}));  // the audio library's own
    }
}

// The embedded soundtrack's first frames as the audio library decodes them.
std::vector<int16_t> soundtrackStart(int frames) {
    const ResourceBytes module = findResource(142);
    const auto source = audio::ModuleSource::decode(module.data, module.size, 44100);
    std::vector<int16_t> samples(2 * static_cast<size_t>(frames));
    if (source) source->render(samples.data(), frames);
    return samples;
}

TEST_F(DemoTest, TheMusicSoundsFromTimelineZeroUntilTheRunEnds) {
    auto demo = makeDemo();
    demo->loadMusic(142);
    demo->addScene(&scene, 0, 100);
    EXPECT_EQ(demo->run(0), 0);
    ASSERT_EQ(headless::framesPresented(), 6);
    const std::vector<int16_t> expected = soundtrackStart(6 * 735);
    ASSERT_TRUE(std::any_of(expected.begin(), expected.end(), [](int16_t s) { return s != 0; }));
    EXPECT_EQ(headless::capturedAudio(), expected);
    EXPECT_EQ(headless::calls().back(), "stopAudioOutput");
    headless::advanceClock(1);
    EXPECT_TRUE(std::all_of(headless::capturedAudio().begin() + expected.size(), headless::capturedAudio().end(),
                            [](int16_t s) { return s == 0; }));
}

TEST_F(DemoTest, TheTimelineStartsWhenTheFirstSampleIsHeard) {
    for (const bool withMusic : {true, false}) {
        SCOPED_TRACE(withMusic ? "with music" : "without music");
        resetBackend();
        scene.times.clear();
        headless::setAudioLatency(4410);  // 100 ms at 44.1 kHz
        auto demo = makeDemo();
        if (withMusic) demo->loadMusic(142);
        demo->addScene(&scene, 0, 150);
        EXPECT_EQ(demo->run(50), 0);
        // Frames at 0, 17, 33 ... ms of the clock, the offset of 50 ms added.
        if (withMusic)
            EXPECT_EQ(scene.times, (std::vector<int32_t>{50, 50, 50, 50, 50, 50, 50, 67, 83, 100, 117, 133}));
        else
            EXPECT_EQ(scene.times, (std::vector<int32_t>{50, 67, 83, 100, 117, 133}));
    }
}

TEST_F(DemoTest, WithoutAWindowRunReturnsOneAtOnce) {
    headless::failStep(headless::Step::CreateWindow);
    auto demo = makeDemo();
    EXPECT_EQ(demo->window, nullptr);
    demo->addScene(&scene, 0, 100);
    EXPECT_EQ(demo->run(0), 1);
    EXPECT_TRUE(scene.phases.empty());
    EXPECT_EQ(headless::messageBoxes().size(), 1u);
}

TEST_F(DemoTest, ASceneThatFailsToStartIsNamedAndTheDemoGoesOn) {
    auto demo = makeDemo();
    scene.initSucceeds = false;
    demo->addScene(&scene, 0, 50);
    EXPECT_EQ(demo->run(0), 0);
    ASSERT_EQ(headless::messageBoxes().size(), 1u);
    EXPECT_EQ(headless::messageBoxes()[0].text, "Failed Initializing scene. Scene name: Colour");
    EXPECT_EQ(headless::messageBoxes()[0].caption, "Error");
    EXPECT_EQ(headless::messageBoxes()[0].style, MB_OK);
    EXPECT_EQ(headless::framesPresented(), 3);
}

// The overlay's lines as queued: y and text.
std::vector<std::pair<int32_t, std::string>> queued(const TextConsole& console) {
    std::vector<std::pair<int32_t, std::string>> lines;
    for (PtrNode* node = console.queue->head; node != nullptr; node = node->next) {
        const auto* line = static_cast<QueuedLine*>(node->data);
        lines.emplace_back(line->y, line->text);
    }
    return lines;
}

// Where the lines go and what the numbers read; the fixed separator lines are the code's own text.
TEST(StatisticsOverlay, RowsSitUnderTheHeaderTheDashLineUnderThemAndTheClockReadsHoursToMilliseconds) {
    headless::reset();
    TextConsole console;
    TextureScene scene;
    std::strcpy(scene.name, "Lightball");
    scene.startMs = 65000;
    scene.endMs = 134000;
    for (int k = 1; k <= 3; ++k) overlay::queueSceneRow(console, k, scene, 1000);
    overlay::queueTableFrame(console, 3);
    overlay::queueClock(console, 3723456, 3723457, 59.94);
    const auto lines = queued(console);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], std::make_pair(48, std::string(" 01  Lightball              65000  134000    1000 ")));
    EXPECT_EQ(lines[3].first, 64);
    EXPECT_EQ(lines[6].first, 80);
    EXPECT_EQ(lines[11], std::make_pair(96, std::string(50, '-')));
    EXPECT_EQ(lines[14], std::make_pair(16, std::string("01:02:03     456      3723457 59.94")));
}

}  // namespace
