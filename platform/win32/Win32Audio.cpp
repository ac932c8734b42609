// Audio output through waveOut: stereo signed 16-bit in a few buffers, which a thread of the
// backend refills through the engine's render function whenever waveOut hands one back.
//
// The thread calls render only while it holds the lock and the output plays; stopping clears
// that flag under the lock, so once stopAudioOutput returns render is not running. Nothing here
// has a destructor: the thread waits until the process ends.
#include "platform/win32/Win32.h"

#include <mmsystem.h>

namespace {

constexpr int bufferCount = 4;
constexpr int framesPerBuffer = 2048;  // about 46 ms at 44100 Hz
constexpr int channelCount = 2;

struct WaveOutput {
    HWAVEOUT device = nullptr;
    HANDLE bufferReturned = nullptr;  // set by waveOut for each buffer it is done with, and by start
    HANDLE thread = nullptr;
    CRITICAL_SECTION lock;  // held while render runs; guards playing
    bool playing = false;
    platform::AudioRender render = nullptr;
    void* user = nullptr;
    WAVEHDR headers[bufferCount] = {};
    int16_t samples[bufferCount][framesPerBuffer * channelCount] = {};
};

WaveOutput output;

void refillReturnedBuffers() {
    for (int i = 0; i < bufferCount; ++i) {
        WAVEHDR& header = output.headers[i];
        if ((header.dwFlags & WHDR_INQUEUE) != 0) continue;
        output.render(output.user, output.samples[i], framesPerBuffer);
        waveOutWrite(output.device, &header, sizeof header);
    }
}

DWORD WINAPI feedOutput(void*) {
    for (;;) {
        WaitForSingleObject(output.bufferReturned, INFINITE);
        EnterCriticalSection(&output.lock);
        if (output.playing) refillReturnedBuffers();
        LeaveCriticalSection(&output.lock);
    }
}

// The event, the lock and the thread, made once for the life of the process.
bool startFeeder() {
    if (output.thread != nullptr) return true;
    output.bufferReturned = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (output.bufferReturned == nullptr) return false;
    InitializeCriticalSection(&output.lock);
    output.thread = CreateThread(nullptr, 0, feedOutput, nullptr, 0, nullptr);
    return output.thread != nullptr;
}

void closeDevice() {
    if (output.device == nullptr) return;
    platform::stopAudioOutput();
    for (WAVEHDR& header : output.headers) waveOutUnprepareHeader(output.device, &header, sizeof header);
    waveOutClose(output.device);
    output.device = nullptr;
}

bool prepareBuffers() {
    for (int i = 0; i < bufferCount; ++i) {
        WAVEHDR& header = output.headers[i];
        header = WAVEHDR{};
        header.lpData = reinterpret_cast<LPSTR>(output.samples[i]);
        header.dwBufferLength = sizeof output.samples[i];
        if (waveOutPrepareHeader(output.device, &header, sizeof header) != MMSYSERR_NOERROR) return false;
    }
    return true;
}

}  // namespace

namespace platform {

bool openAudioOutput(int sampleRate, AudioRender render, void* user) {
    if (render == nullptr || waveOutGetNumDevs() == 0 || !startFeeder()) return false;
    closeDevice();
    output.render = render;
    output.user = user;

    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = channelCount;
    format.nSamplesPerSec = static_cast<DWORD>(sampleRate);
    format.wBitsPerSample = 16;
    format.nBlockAlign = channelCount * sizeof(int16_t);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    const DWORD_PTR event = reinterpret_cast<DWORD_PTR>(output.bufferReturned);
    if (waveOutOpen(&output.device, WAVE_MAPPER, &format, event, 0, CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        output.device = nullptr;
        return false;
    }
    if (!prepareBuffers()) {
        closeDevice();
        return false;
    }
    return true;
}

// Nothing is queued until the output starts: the thread then fills every buffer at once.
void startAudioOutput() {
    if (output.device == nullptr) return;
    EnterCriticalSection(&output.lock);
    output.playing = true;
    LeaveCriticalSection(&output.lock);
    SetEvent(output.bufferReturned);
}

void stopAudioOutput() {
    if (output.device == nullptr) return;
    EnterCriticalSection(&output.lock);
    output.playing = false;
    LeaveCriticalSection(&output.lock);
    // Hands every queued buffer back unplayed; the thread leaves them until the next start.
    waveOutReset(output.device);
}

}  // namespace platform
