// The headless virtual clock and the audio mixed in step with it: presenting a frame moves the
// counter by exactly one frame and takes exactly that frame's samples into the captured track.
#include <string>

#include "platform/headless/HeadlessState.h"

using headless::Step;
using headless::detail::failing;
using headless::detail::logCall;
using headless::detail::script;

namespace {

void presentFrame() {
    headless::detail::Script& state = script();
    const headless::detail::AudioOutput& audio = state.audio;
    const int64_t first = emulated::frameStart(state.frames, state.frameRate, audio.sampleRate);
    const int64_t end = emulated::frameStart(state.frames + 1, state.frameRate, audio.sampleRate);
    const int count = static_cast<int>(end - first);

    // A hook gets each frame's samples as they are mixed, so nothing piles up.
    std::vector<int16_t> frameSamples;
    std::vector<int16_t>& track = state.audioHook ? frameSamples : state.capturedAudio;
    const size_t offset = track.size();
    track.resize(offset + 2 * static_cast<size_t>(count));  // silence unless rendered
    if (audio.open && audio.started && count > 0) audio.render(audio.user, track.data() + offset, count);
    if (state.audioHook) state.audioHook(frameSamples.data(), count);
    ++state.frames;
}

}  // namespace

namespace headless {

void onPresent(std::function<void(int64_t frame)> hook) { script().presentHook = std::move(hook); }

void onAudio(std::function<void(const int16_t* stereo, int frames)> hook) { script().audioHook = std::move(hook); }

void advanceClock(int64_t frames) {
    for (int64_t i = 0; i < frames; ++i) presentFrame();
}

}  // namespace headless

namespace platform {

int64_t counterFrequency() { return script().counterFrequency; }

int64_t counterValue() { return emulated::frameStart(script().frames, script().frameRate, script().counterFrequency); }

int swapBuffers(DeviceHandle device) {
    if (failing(Step::SwapBuffers) || headless::detail::windowOfDevice(device) == nullptr) return 0;
    if (script().presentHook) script().presentHook(script().frames);
    presentFrame();
    return 1;
}

bool openAudioOutput(int sampleRate, AudioRender render, void* user) {
    logCall("openAudioOutput " + std::to_string(sampleRate));
    if (failing(Step::OpenAudio) || sampleRate <= 0 || render == nullptr) return false;
    headless::detail::AudioOutput& audio = script().audio;
    audio = {true, false, sampleRate, render, user, audio.latencyFrames};
    return true;
}

void startAudioOutput() {
    logCall("startAudioOutput");
    script().audio.started = script().audio.open;
}

void stopAudioOutput() {
    logCall("stopAudioOutput");
    script().audio.started = false;
}

int audioOutputLatencyFrames() { return script().audio.open ? script().audio.latencyFrames : 0; }

}  // namespace platform
