// The sdl backend's audio output on SDL's dummy driver (ctest sets SDL_AUDIODRIVER=dummy).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/Platform.h"

namespace {

using namespace std::chrono_literals;
using platform::openAudioOutput;
using platform::startAudioOutput;
using platform::stopAudioOutput;

struct Listener {
    std::atomic<int> calls{0};
    std::atomic<int> lastFrameCount{0};
    std::atomic<bool> rendering{false};
    std::chrono::milliseconds workPerCall{0};
};

void render(void* user, int16_t* frames, int frameCount) {
    Listener& listener = *static_cast<Listener*>(user);
    listener.rendering = true;
    for (int i = 0; i < frameCount * 2; ++i) frames[i] = static_cast<int16_t>(i);  // touches the whole buffer
    std::this_thread::sleep_for(listener.workPerCall);
    listener.lastFrameCount = frameCount;
    ++listener.calls;
    listener.rendering = false;
}

template <typename Condition>
bool waitUntil(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!condition() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(100us);
    return condition();
}

class SdlAudio : public testing::Test {
protected:
    void SetUp() override {
        const char* driver = std::getenv("SDL_AUDIODRIVER");
        if (driver == nullptr || std::string(driver) != "dummy")
            GTEST_SKIP() << "needs SDL_AUDIODRIVER=dummy, as ctest sets it";
    }

    void TearDown() override {
        if (!IsSkipped()) stopAudioOutput();
    }
};

TEST_F(SdlAudio, RendersOnlyWhileStarted) {
    Listener listener;
    ASSERT_TRUE(openAudioOutput(44100, render, &listener));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(listener.calls, 0);  // opened paused

    startAudioOutput();
    ASSERT_TRUE(waitUntil([&] { return listener.calls >= 3; }));
    EXPECT_GT(listener.lastFrameCount, 0);
    // A sample rendered now is heard after the buffer the device obtained.
    EXPECT_EQ(platform::audioOutputLatencyFrames(), listener.lastFrameCount);

    stopAudioOutput();
    const int callsWhenStopped = listener.calls;
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(listener.calls, callsWhenStopped);
}

TEST_F(SdlAudio, StopWaitsForARunningRender) {
    Listener listener;
    listener.workPerCall = 30ms;
    ASSERT_TRUE(openAudioOutput(48000, render, &listener));
    startAudioOutput();
    ASSERT_TRUE(waitUntil([&] { return listener.calls >= 1; }));
    for (int round = 0; round < 5; ++round) {
        ASSERT_TRUE(waitUntil([&] { return listener.rendering.load(); }));
        stopAudioOutput();
        EXPECT_FALSE(listener.rendering) << "round " << round;
        startAudioOutput();
    }
}

}  // namespace
