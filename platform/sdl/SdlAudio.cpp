// Audio output through an SDL audio device: stereo signed 16-bit, pulled by SDL's callback.
#include <cstdarg>  // before alsa/error.h, which uses va_list without including it

#include <alsa/error.h>

#include "platform/sdl/SdlState.h"

namespace {

// ALSA, which SDL plays through, writes its own diagnostics to stderr: several lines on a machine
// without a sound card. The caller's one line about the missing sound says all that is needed.
void ignoreAlsaDiagnostic(const char*, int, const char*, int, const char*, ...) {}

struct AudioOutput {
    SDL_AudioDeviceID device = 0;
    platform::AudioRender render = nullptr;
    void* user = nullptr;
    int bufferFrames = 0;  // of each callback, as obtained
};

AudioOutput output;

constexpr int channelCount = 2;
// About 23 ms at 44.1 kHz: small enough to keep the sound close behind the picture, large enough
// to play without gaps while the frame loop keeps a core busy.
constexpr Uint16 framesPerCallback = 1024;

void SDLCALL fillStream(void* userdata, Uint8* stream, int byteCount) {
    const AudioOutput* audio = static_cast<const AudioOutput*>(userdata);
    const int frameCount = byteCount / static_cast<int>(channelCount * sizeof(int16_t));
    audio->render(audio->user, reinterpret_cast<int16_t*>(stream), frameCount);
}

}  // namespace

namespace platform {

// Audio starts apart from video, so a machine without sound still shows the demo.
bool openAudioOutput(int sampleRate, AudioRender render, void* user) {
    if (render == nullptr) return false;
    snd_lib_error_set_handler(ignoreAlsaDiagnostic);
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (output.device != 0) SDL_CloseAudioDevice(output.device);
    output = {0, render, user, 0};

    SDL_AudioSpec wanted{};
    wanted.freq = sampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = channelCount;
    wanted.samples = framesPerCallback;
    wanted.callback = fillStream;
    wanted.userdata = &output;
    // SDL converts to whatever format and rate the device takes, but the buffer is the device's
    // own: rebuffering to ours would add latency that nothing reports. The device opens paused.
    SDL_AudioSpec obtained{};
    output.device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
    output.bufferFrames = output.device != 0 ? obtained.samples : 0;
    return output.device != 0;
}

void startAudioOutput() {
    if (output.device != 0) SDL_PauseAudioDevice(output.device, 0);
}

// SDL pauses under the device lock, which the callback runs under: once this returns the
// callback has finished and is not called again until the next start.
void stopAudioOutput() {
    if (output.device != 0) SDL_PauseAudioDevice(output.device, 1);
}

// A sample rendered now waits for the buffer the callback fills next to be played out. What the
// device queues beyond that SDL does not tell, so it is left out.
int audioOutputLatencyFrames() { return output.device != 0 ? output.bufferFrames : 0; }

}  // namespace platform
