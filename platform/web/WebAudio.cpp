// Audio output through Web Audio: the page's audio worklet plays stereo signed 16-bit blocks that
// the render callback fills on the page's thread, between frames, keeping the worklet's queue
// `queueAheadMs` ahead of what it plays. The page's clock follows the music as heard
// (page-sound.js), so the output adds no latency for the timeline to subtract.
#include <emscripten/emscripten.h>

#include <vector>

#include "platform/web/WebState.h"

namespace {

// Enough for the slow first frames of a run or of a rebuilt window on a software renderer (shaders
// compiled, textures uploaded) to leave no gap in the music. The page's clock follows what is heard,
// so the queue's length delays nothing; stopping drops it.
constexpr int queueAheadMs = 500;

struct AudioOutput {
    bool open = false;
    bool device = false;  // the page's worklet plays what is queued
    bool started = false;
    int queueAheadFrames = 0;
    platform::AudioRender render = nullptr;
    void* user = nullptr;
    std::vector<int16_t> block;
};

AudioOutput output;

// clang-format off
EM_JS(bool, pageOpenAudio, (int sampleRate), { return TarvoSound.open(sampleRate); });
EM_JS(void, pageStartAudio, (int fromMs), { TarvoSound.start(fromMs); });
EM_JS(void, pageStopAudio, (), { TarvoSound.stop(); });
EM_JS(int, pageQueuedAudioFrames, (), { return TarvoSound.queuedFrames(); });
EM_JS(void, pageQueueAudio, (const int16_t* frames, int frameCount), { TarvoSound.queue(frames, frameCount); });
// clang-format on

}  // namespace

namespace web {

void topUpAudio() {
    if (!output.started || !output.device) return;
    const int missing = output.queueAheadFrames - pageQueuedAudioFrames();
    if (missing <= 0) return;
    output.block.resize(2 * static_cast<size_t>(missing));
    output.render(output.user, output.block.data(), missing);
    pageQueueAudio(output.block.data(), missing);
}

}  // namespace web

namespace platform {

// The deterministic page plays no sound: its output opens without a device and nothing pulls
// from it, so its frames never wait for one.
bool openAudioOutput(int sampleRate, AudioRender render, void* user) {
    output.started = false;
    const bool silent = web::pageOptions().deterministic;
    output.device = !silent && render != nullptr && sampleRate > 0 && pageOpenAudio(sampleRate);
    output.open = render != nullptr && sampleRate > 0 && (silent || output.device);
    output.queueAheadFrames = sampleRate * queueAheadMs / 1000;
    output.render = render;
    output.user = user;
    return output.open;
}

// The first block is rendered at the next presented frame, after the music has been told where to
// play from; until it is heard, the page's clock stands.
void startAudioOutput() {
    output.started = output.open;
    if (!output.device) return;
    pageStartAudio(web::pageOptions().startMs);
    web::startRunClock();
}

// Blocks are rendered only between frames, on this thread: once this returns, none is rendered
// until the next start, and the worklet drops what it holds.
void stopAudioOutput() {
    if (output.started && output.device) pageStopAudio();
    output.started = false;
}

int audioOutputLatencyFrames() { return 0; }

}  // namespace platform
