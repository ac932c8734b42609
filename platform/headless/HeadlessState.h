#pragma once
// What the headless backend's source files share: the scripted part that reset() forgets and the
// open objects that outlive it. Everything runs on the demo's thread, so nothing is locked.
#include <bitset>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/emulated/FrameClock.h"
#include "platform/headless/HeadlessControl.h"
#include "platform/emulated/Windowing.h"

namespace fixedgl {
struct State;
}

namespace headless::detail {

struct Context {
    void* egl;                 // the EGLContext
    bool everCurrent = false;  // the first make-current sets the viewport to the window, like WGL
    fixedgl::State* layer = nullptr;  // the fixed-function layer's state, on OpenGL ES contexts
};

// The window's pixels: GL objects that live in the context they were made in.
struct WindowFramebuffer {
    Context* owner = nullptr;  // none until a context is first made current with the window
    uint32_t framebuffer = 0;
    uint32_t colour = 0;
    uint32_t depth = 0;
    int width = 0;  // of the storage, which follows the client size
    int height = 0;
};

// The window's own device context: one per window, like a class with its own DC.
struct Device {
    int pixelFormat = 0;
};

struct Window {
    WindowRecord record;
    platform::WindowProc proc;
    Device device;
    WindowFramebuffer framebuffer;
};

struct ScriptedEvent {
    uint32_t message;
    uintptr_t wParam;
    int width;  // of a resize
    int height;
};

struct AudioOutput {
    bool open = false;
    bool started = false;
    int sampleRate = 44100;
    platform::AudioRender render = nullptr;
    void* user = nullptr;
    int latencyFrames = 0;  // reported only
};

// Everything reset() sets back.
struct Script {
    std::bitset<static_cast<size_t>(Step::OpenAudio) + 1> failing;
    std::vector<std::string> calls;
    std::vector<MessageBoxRecord> messageBoxes;
    std::deque<int> answers;
    std::map<int, std::vector<uint8_t>> resources;
    std::multimap<int64_t, ScriptedEvent> events;  // by frame, then in the order scripted
    emulated::MessageQueue posted;
    emulated::FrameRate frameRate{60, 1};
    int64_t counterFrequency = 1000000000;
    int64_t frames = 0;
    AudioOutput audio;
    platform::PixelFormat pixelFormat{};  // the latest one set
    std::vector<int16_t> capturedAudio;
    std::function<void(const int16_t*, int)> audioHook;  // takes the samples instead of capturedAudio
    std::function<void(int64_t)> presentHook;
};

// What stays open across reset().
struct Objects {
    emulated::WindowClass windowClass;
    std::vector<std::unique_ptr<Window>> windows;  // oldest first
    std::vector<std::unique_ptr<Context>> contexts;
    Window* currentWindow = nullptr;  // whose device is current with currentContext
    Context* currentContext = nullptr;
};

Script& script();
Objects& objects();

bool failing(Step step);
void logCall(const std::string& call);

// The open window, device or context behind a handle; none for a stale or foreign handle.
Window* findWindow(platform::WindowHandle handle);
Window* windowOfDevice(platform::DeviceHandle handle);
Context* findContext(platform::ContextHandle handle);

// Gives the window's framebuffer the client size when its context is current.
void fitWindowFramebuffer(Window& window);
// Deletes the window's GL objects when their context is current, else leaves them to it.
void forgetWindowFramebuffer(Window& window);

}  // namespace headless::detail
