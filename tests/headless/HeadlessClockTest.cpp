// The virtual clock and the audio taken in step with it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/Platform.h"
#include "platform/emulated/FrameClock.h"
#include "platform/headless/HeadlessControl.h"

namespace {

constexpr int64_t gigahertz = 1000000000;

TEST(FrameClock, RoundsDownAndStaysExactAfterHundredsOfHours) {
    const emulated::FrameRate ntsc{60000, 1001};
    EXPECT_EQ(emulated::frameStart(1, {60, 1}, gigahertz), 16666666);
    EXPECT_EQ(emulated::frameStart(1, ntsc, gigahertz), 16683333);
    // 60 million frames last 1001000 s; frames x 1001 x 1e9 needs 66 bits.
    EXPECT_EQ(emulated::frameStart(60000000, ntsc, gigahertz), 1001000 * gigahertz);
    EXPECT_EQ(emulated::frameStart(60000001, ntsc, gigahertz), 1001000 * gigahertz + 16683333);
}

TEST(VirtualClock, EachFrameTakesItsOwnSamplesAndTheyAddUpExactly) {
    headless::reset();
    headless::setFrameRate(60000, 1001);
    std::vector<size_t> samplesPerFrame;
    for (int frame = 0; frame < 600; ++frame) {
        const size_t before = headless::capturedAudio().size();
        headless::advanceClock(1);
        samplesPerFrame.push_back((headless::capturedAudio().size() - before) / 2);
    }
    EXPECT_EQ(*std::min_element(samplesPerFrame.begin(), samplesPerFrame.end()), 735u);
    EXPECT_EQ(*std::max_element(samplesPerFrame.begin(), samplesPerFrame.end()), 736u);
    // 600 frames last exactly 10.01 s: 441441 stereo samples at 44100 Hz, none lost or doubled.
    EXPECT_EQ(headless::capturedAudio().size(), 2u * 441441);
}

std::vector<int> renderedCounts;

void renderNonZero(void*, int16_t* frames, int frameCount) {
    renderedCounts.push_back(frameCount);
    std::fill(frames, frames + 2 * frameCount, int16_t{100});
}

TEST(VirtualClock, AudioIsRenderedOnlyWhileStarted) {
    headless::reset();
    renderedCounts.clear();
    ASSERT_TRUE(platform::openAudioOutput(48000, renderNonZero, nullptr));
    EXPECT_EQ(headless::audioSampleRate(), 48000);
    headless::advanceClock(1);  // opened paused
    platform::startAudioOutput();
    headless::advanceClock(2);
    platform::stopAudioOutput();
    headless::advanceClock(1);

    EXPECT_EQ(renderedCounts, (std::vector<int>{800, 800}));
    std::vector<int16_t> expected(4 * 1600, 0);
    std::fill(expected.begin() + 1600, expected.begin() + 3 * 1600, int16_t{100});
    EXPECT_EQ(headless::capturedAudio(), expected);
}

TEST(VirtualClock, AnAudioHookTakesEachFramesSamplesInsteadOfTheTrack) {
    headless::reset();
    ASSERT_TRUE(platform::openAudioOutput(48000, renderNonZero, nullptr));
    std::vector<int16_t> streamed;
    std::vector<int> counts;
    headless::onAudio([&](const int16_t* stereo, int frames) {
        counts.push_back(frames);
        streamed.insert(streamed.end(), stereo, stereo + 2 * frames);
    });
    headless::advanceClock(1);
    platform::startAudioOutput();
    headless::advanceClock(1);
    EXPECT_EQ(counts, (std::vector<int>{800, 800}));
    std::vector<int16_t> expected(4 * 800, 0);
    std::fill(expected.begin() + 1600, expected.end(), int16_t{100});
    EXPECT_EQ(streamed, expected);
    EXPECT_TRUE(headless::capturedAudio().empty());
    headless::reset();  // forgets the hook
    headless::advanceClock(1);
    EXPECT_EQ(counts.size(), 2u);
}

TEST(VirtualClock, WithoutAnOutputFramesAreSilentAt44100) {
    headless::reset();
    renderedCounts.clear();
    headless::failStep(headless::Step::OpenAudio);
    EXPECT_FALSE(platform::openAudioOutput(48000, renderNonZero, nullptr));
    platform::startAudioOutput();
    headless::advanceClock(2);
    EXPECT_EQ(headless::audioSampleRate(), 44100);
    EXPECT_TRUE(renderedCounts.empty());
    EXPECT_EQ(headless::capturedAudio(), std::vector<int16_t>(2 * 1470, 0));
}

}  // namespace
