// Audio output through waveOut: stereo signed 16-bit in a few buffers, which a thread of the
// backend refills through the engine's render function whenever waveOut hands one back.
//
// The thread calls render only while it holds the lock and the output plays; stopping clears
// that flag under the lock, so once stopAudioOutput returns render is not running. Nothing here
// has a destructor: the thread waits until the process ends.
//
// The buffers are what a sample rendered now waits behind: four of about 23 ms each keep that
// under a tenth of a second while leaving the thread three buffers' time to refill one.
#include "platform/win32/Win32.h"

#include <mmsystem.h>

namespace {

constexpr int bufferCount = 4;
constexpr int framesPerBuffer = 1024;  // about 23 ms at 44100 Hz
constexpr int channelCount = 2;
constexpr int bytesPerFrame = channelCount * sizeof(int16_t);

struct WaveOutput {
    HWAVEOUT device = nullptr;
    HANDLE bufferReturned = nullptr;  // set by waveOut for each buffer it is done with, and by start
    HANDLE thread = nullptr;
    CRITICAL_SECTION lock;  // held while render runs; guards playing and framesWritten
    bool playing = false;
    DWORD framesWritten = 0;  // since the device's position was last set back to 0
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
        if (waveOutWrite(output.device, &header, sizeof header) == MMSYSERR_NOERROR)
            output.framesWritten += framesPerBuffer;
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
    format.nBlockAlign = bytesPerFrame;
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
    output.framesWritten = 0;
    LeaveCriticalSection(&output.lock);
    // Hands every queued buffer back unplayed and sets the position back to 0; the thread leaves
    // the buffers until the next start.
    waveOutReset(output.device);
}

// What is written and not yet played, by the device's own position; every buffer when the device
// keeps no position.
int audioOutputLatencyFrames() {
    if (output.device == nullptr) return 0;
    EnterCriticalSection(&output.lock);
    const DWORD written = output.framesWritten;
    MMTIME position{};
    position.wType = TIME_SAMPLES;
    const bool known = waveOutGetPosition(output.device, &position, sizeof position) == MMSYSERR_NOERROR;
    LeaveCriticalSection(&output.lock);
    if (known && position.wType == TIME_SAMPLES) return static_cast<int>(written - position.u.sample);
    if (known && position.wType == TIME_BYTES) return static_cast<int>(written - position.u.cb / bytesPerFrame);
    return bufferCount * framesPerBuffer;
}

}  // namespace platform
