// Audio output through Web Audio: a script processor node asks for stereo blocks, which the
// render callback fills as signed 16-bit frames and the page converts to the browser's floats.
// Everything runs on the page's one thread, between frames.
#include <emscripten/emscripten.h>

#include <vector>

#include "platform/web/WebState.h"

namespace {

// About 46 ms at 44.1 kHz: the smallest block that plays without gaps on a software renderer,
// where a frame may take that long itself.
constexpr int framesPerBlock = 2048;

struct AudioOutput {
    bool open = false;
    bool device = false;  // a Web Audio processor pulls from it
    bool started = false;
    platform::AudioRender render = nullptr;
    void* user = nullptr;
    std::vector<int16_t> block;
};

AudioOutput output;

// clang-format off
EM_JS(bool, pageOpenAudio, (int sampleRate, int framesPerBlock), {
    return TarvoPage.openAudio(sampleRate, framesPerBlock);
});
EM_JS(void, pageResumeAudio, (), { TarvoPage.resumeAudio(); });
EM_JS(int, pageAudioLatencyFrames, (), { return TarvoPage.audioLatencyFrames(); });
// clang-format on

}  // namespace

// The page's audio processor asks for each block here: the rendered frames, or none while the
// output is stopped (the page plays silence then).
extern "C" EMSCRIPTEN_KEEPALIVE const int16_t* tarvo_web_render_audio(int frameCount) {
    if (!output.started || frameCount <= 0) return nullptr;
    output.block.resize(2 * static_cast<size_t>(frameCount));
    output.render(output.user, output.block.data(), frameCount);
    return output.block.data();
}

namespace platform {

// The deterministic page plays no sound: its output opens without a device and nothing pulls
// from it, so its frames never wait for one.
bool openAudioOutput(int sampleRate, AudioRender render, void* user) {
    output.started = false;
    const bool silent = web::pageOptions().deterministic;
    output.device = !silent && render != nullptr && sampleRate > 0 && pageOpenAudio(sampleRate, framesPerBlock);
    output.open = render != nullptr && sampleRate > 0 && (silent || output.device);
    output.render = render;
    output.user = user;
    return output.open;
}

void startAudioOutput() {
    output.started = output.open;
    if (output.device) pageResumeAudio();
}

// The processor calls back only between frames, on this thread: once this returns, no block is
// rendered until the next start, and the page plays silence.
void stopAudioOutput() { output.started = false; }

int audioOutputLatencyFrames() { return output.device ? pageAudioLatencyFrames() : 0; }

}  // namespace platform
