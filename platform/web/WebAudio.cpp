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
EM_JS(void, pageStartAudio, (bool started), { TarvoPage.startAudio(started); });
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

// The deterministic page plays no sound, so its frames never wait for an audio device.
bool openAudioOutput(int sampleRate, AudioRender render, void* user) {
    output.started = false;
    output.open = render != nullptr && sampleRate > 0 && !web::pageOptions().deterministic &&
                  pageOpenAudio(sampleRate, framesPerBlock);
    output.render = render;
    output.user = user;
    return output.open;
}

void startAudioOutput() {
    if (!output.open) return;
    output.started = true;
    pageStartAudio(true);
}

// The processor calls back only between frames, on this thread: once this returns, no block is
// rendered until the next start.
void stopAudioOutput() {
    output.started = false;
    if (output.open) pageStartAudio(false);
}

int audioOutputLatencyFrames() { return output.open ? pageAudioLatencyFrames() : 0; }

}  // namespace platform
