#pragma once
// Headless backend: what tests and the capture tool may script and inspect.
//
// Implements: the whole platform contract on EGL (Mesa's surfaceless platform) with an OpenGL
// compatibility context and no display. Windows are records with a client size; the window's
// framebuffer is an offscreen framebuffer object of that size.
// The counter is virtual: it moves only when a frame is presented (or advanceClock is called), by
// exactly one frame at the configured rate: counter = frames x denominator x frequency / numerator.
// Keys, size changes and close requests are scripted by frame; message boxes are recorded and
// answered from a script; any step can be made to fail. Audio is pulled in step with the frames:
// every presented frame takes exactly the samples of its duration into the captured track.
// Lacks: real display modes (every mode is granted unless told to fail), the window icon, cursor.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace headless {

// Platform steps that can be told to fail.
enum class Step {
    RegisterClass,
    UnregisterClass,
    ChangeDisplayMode,
    CreateWindow,
    DestroyWindow,
    GetDeviceContext,
    ReleaseDeviceContext,
    ChoosePixelFormat,
    SetPixelFormat,
    CreateContext,
    MakeCurrent,    // making a context current
    ReleaseCurrent, // making no context current
    DeleteContext,
    SwapBuffers,
    OpenAudio,
};

void failStep(Step step, bool fail = true);

struct MessageBoxRecord {
    std::string text;
    std::string caption;
    uint32_t style;
    int answer;
};
// Every message box shown so far, in order.
const std::vector<MessageBoxRecord>& messageBoxes();
// Answer for the next message box; when none is queued, OK boxes answer IDOK and Yes/No boxes
// IDNO, as a user closing them would.
void queueMessageBoxAnswer(int answer);

// Names of the contract calls made so far, in order, with their chief argument where it helps,
// for example "createWindow Windowed 656x519", "changeDisplayMode 640x480x32", "showCursor 0",
// "makeCurrent none", "messageBox [ERROR]: Window Creation Error.", "postQuitMessage 0".
// Failed calls are logged like the others. The per-frame calls (messages, counter, swap, window
// framebuffer, entry points, resources) are left out: framesPresented() counts the frames.
const std::vector<std::string>& calls();

// A window as the backend keeps it.
struct WindowRecord {
    std::string className;
    std::string title;
    platform::WindowMode mode;
    int clientWidth;
    int clientHeight;
    bool shown;
};
// The windows open now, oldest first; scripted input goes to the newest.
std::vector<WindowRecord> openWindows();

// Scripted input, delivered by peekMessage once `frame` frames have been presented and a window is
// open; events of the same frame come in the order they were scripted. A resize changes the
// client size when it is delivered.
void scriptKey(int64_t frame, int virtualKey, bool down);
void scriptSystemKey(int64_t frame, int virtualKey, bool down);  // as with Alt held
void scriptResize(int64_t frame, int width, int height);
void scriptClose(int64_t frame);
void scriptSystemCommand(int64_t frame, uintptr_t command);

// The virtual clock.
// Both are meant to be set at frame 0: they re-time the frames already presented. A rate part
// below 1 or a negative frequency is ignored; a frequency of 0 gives a counter that stands still.
void setFrameRate(int64_t numerator, int64_t denominator);  // frames per second = num / den
void setCounterFrequency(int64_t ticksPerSecond);
void advanceClock(int64_t frames);  // as if that many frames had been presented
int64_t framesPresented();
// Called as each frame is presented, before the clock moves on, with the frame's index; the
// frame's pixels are in the window's framebuffer then.
void onPresent(std::function<void(int64_t frame)> hook);

// Resources served before the embedded ones (tests feed malformed images through this).
void setResource(int id, std::vector<uint8_t> bytes);

// Interleaved stereo samples taken so far, one frame's worth per presented frame; silence for
// frames presented while the output was stopped or absent.
const std::vector<int16_t>& capturedAudio();
// Streams the track instead: called after each frame is presented with its interleaved stereo
// samples (silence as above), which then stay out of capturedAudio.
void onAudio(std::function<void(const int16_t* stereo, int frames)> hook);
int audioSampleRate();  // of the open output; 44100 when none is open
// The latency the open output reports, in frames: 0, exact, unless a test sets another. The
// captured track is not delayed by it.
void setAudioLatency(int frames);

// The pixel-format descriptor given to the latest setPixelFormat call; all zero before any.
platform::PixelFormat lastPixelFormat();

// Forgets all scripts, records, failures and resources, the posted messages, the audio output with
// its latency and captured track, and sets the clock back to frame 0 at 60 frames per second on a
// 1 GHz counter. The window class, windows and contexts still open stay open.
void reset();

}  // namespace headless
