// The programme, and each scene it does not schedule, played on the virtual clock and compared
// with reference frames at chosen times.
// A frame depends on every frame before it (the tunnel's light turns a step per frame, the
// lightball's trails keep the frames before), so each case plays from the start of its stretch.
// The whole programme runs at 10 frames per second to keep the test short; two short stretches
// at the demo's own 60 frames per second keep the steps a lower rate would blur.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>

#include "platform/headless/HeadlessControl.h"
#include "runtime/Programme.h"
#include "scenes/FlowerPowerScene.h"
#include "scenes/SceneRandom.h"
#include "scenes/TestScene.h"
#include "scenes/VelmoraLogoScene.h"
#include "tests/support/GoldenFrame.h"

namespace {

struct Frame {
    int32_t presentedAtMs;
    int width, height;
    std::vector<uint8_t> rgba;
};

struct Playback {
    std::map<int32_t, Frame> frames;  // the first frame presented at or after each time asked for
    int32_t lastMs = -1;              // timeline time of the last frame presented
    int32_t endMs = 0;
    int32_t exitCode = -1;
};

// Plays what `schedule` adds (the programme unless told otherwise) from `fromMs` at `fps`, to its
// end or, with `stopAfterLast`, until every frame asked for is kept.
Playback play(int fps, int32_t fromMs, const std::vector<int32_t>& times, bool stopAfterLast,
              const std::function<void(Demo&)>& schedule = scheduleProgramme) {
    // Each case plays as a fresh process would, however many ran before it in this one.
    headless::reset();
    scenerandom::restart();
    headless::setFrameRate(fps, 1);
    Demo demo(programmeWindow.title, programmeWindow.width, programmeWindow.height, programmeWindow.bits,
              programmeWindow.fullscreen);
    schedule(demo);
    Playback playback;
    headless::onPresent([&](int64_t) {
        playback.lastMs = demo.timelineMs();
        for (int32_t t : times)
            if (t <= playback.lastMs && playback.frames.count(t) == 0) {
                const FramePresenter& frame = demo.window->frame();
                playback.frames[t] = {playback.lastMs, frame.width(), frame.height(), frame.readPixels()};
            }
        if (stopAfterLast && playback.frames.size() == times.size()) platform::postQuitMessage(0);
    });
    playback.exitCode = demo.run(fromMs);
    headless::onPresent(nullptr);
    playback.endMs = demo.endMs;
    return playback;
}

// Built on the fixed-function layer, the same test compares the layer's frames with real OpenGL's.
#ifdef TARVO_FIXED_GL
constexpr GoldenTolerance tolerance = fixedFunctionLayerTolerance;
#else
constexpr GoldenTolerance tolerance = {};
#endif

void expectFramesMatch(const Playback& playback, int fps, const std::string& prefix, const std::vector<int32_t>& times) {
    for (int32_t t : times) {
        ASSERT_EQ(playback.frames.count(t), 1u) << t;
        const Frame& frame = playback.frames.at(t);
        EXPECT_LT(frame.presentedAtMs - t, 1000 / fps + 1) << t;
        EXPECT_TRUE(matchesGolden(prefix + std::to_string(t), frame.width, frame.height, frame.rgba, tolerance));
    }
}

TEST(ProgrammeGolden, TheWholeProgrammeAt10FpsMatchesAndEndsByItself) {
    // Times in every stretch of the schedule, and where the scenes change; the tunnel's first
    // seconds are checked at 60 frames per second below.
    const std::vector<int32_t> times = {0,     20000, 30000,  42000,  50000,  62500,
                                        66000, 80000, 125000, 134000, 140000, 154000};
    const Playback playback = play(10, 0, times, false);
    EXPECT_EQ(playback.exitCode, 0);
    EXPECT_EQ(playback.lastMs, playback.endMs - 100);  // the last frame shown comes just before the end
    expectFramesMatch(playback, 10, "programme-", times);
}

// The first frame is the same at any rate; after it the tunnel's light has turned once a frame.
TEST(ProgrammeGolden, TheFirstSecondsAt60FpsMatch) {
    const std::vector<int32_t> times = {5500};
    const Playback playback = play(60, 0, times, true);
    EXPECT_EQ(playback.exitCode, 0);
    expectFramesMatch(playback, 60, "programme60-", times);
}

// The sphere lets 0.4 of the frame before show through, so a second of frames is all the trails
// remember.
TEST(ProgrammeGolden, TheLightballsTrailsAt60FpsMatch) {
    const std::vector<int32_t> times = {85000};
    const Playback playback = play(60, 84000, times, true);
    EXPECT_EQ(playback.exitCode, 0);
    expectFramesMatch(playback, 60, "programme60-", times);
}

struct AloneCase {
    const char* reference;  // the references' names begin with it
    Scene* scene;
    int32_t fromMs;
    std::vector<int32_t> times;
};

void PrintTo(const AloneCase& alone, std::ostream* out) { *out << alone.reference << alone.times.front(); }

// The unscheduled scenes, each alone from its local time 0 as tarvo-capture --scene plays it.
class SceneAloneGolden : public ::testing::TestWithParam<AloneCase> {};

TEST_P(SceneAloneGolden, Matches) {
    const AloneCase& alone = GetParam();
    const Playback playback = play(15, alone.fromMs, alone.times, true, [&](Demo& demo) {
        demo.addScene(alone.scene, 0, alone.times.back() + 1000);
    });
    EXPECT_EQ(playback.exitCode, 0);
    expectFramesMatch(playback, 15, alone.reference, alone.times);
}

VelmoraLogoScene velmoraLogo;
FlowerPowerScene flowerPower;
TestScene teapot;

// The logo as a fan of copies and then whole; the flowers released one a second under a darkening
// sky; the teapot upright and, after 36 s of turning, upside down.
INSTANTIATE_TEST_SUITE_P(Unscheduled, SceneAloneGolden,
                         ::testing::Values(AloneCase{"velmora-logo-", &velmoraLogo, 0, {500, 4000}},
                                           AloneCase{"flower-power-", &flowerPower, 0, {6000}},
                                           AloneCase{"test-scene-", &teapot, 0, {1000}},
                                           AloneCase{"test-scene-", &teapot, 35500, {36000}}));

}  // namespace
