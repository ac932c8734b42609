// The headless backend's shared state, the script API and resource lookup.
#include "platform/headless/HeadlessControl.h"

#include <utility>

#include "platform/WindowMessages.h"
#include "platform/headless/HeadlessState.h"
#include "resources/EmbeddedResources.h"

namespace headless {
namespace detail {

Script& script() {
    static Script instance;
    return instance;
}

Objects& objects() {
    static Objects instance;
    return instance;
}

bool failing(Step step) { return script().failing.test(static_cast<size_t>(step)); }

void logCall(const std::string& call) { script().calls.push_back(call); }

Window* findWindow(platform::WindowHandle handle) {
    for (const auto& window : objects().windows)
        if (reinterpret_cast<platform::WindowHandle>(window.get()) == handle) return window.get();
    return nullptr;
}

Window* windowOfDevice(platform::DeviceHandle handle) {
    for (const auto& window : objects().windows)
        if (reinterpret_cast<platform::DeviceHandle>(&window->device) == handle) return window.get();
    return nullptr;
}

Context* findContext(platform::ContextHandle handle) {
    for (const auto& context : objects().contexts)
        if (reinterpret_cast<platform::ContextHandle>(context.get()) == handle) return context.get();
    return nullptr;
}

}  // namespace detail

using detail::script;

void failStep(Step step, bool fail) { script().failing.set(static_cast<size_t>(step), fail); }

const std::vector<MessageBoxRecord>& messageBoxes() { return script().messageBoxes; }

void queueMessageBoxAnswer(int answer) { script().answers.push_back(answer); }

const std::vector<std::string>& calls() { return script().calls; }

std::vector<WindowRecord> openWindows() {
    std::vector<WindowRecord> records;
    for (const auto& window : detail::objects().windows) records.push_back(window->record);
    return records;
}

namespace {

void scriptEvent(int64_t frame, uint32_t message, uintptr_t wParam, int width = 0, int height = 0) {
    script().events.emplace(frame, detail::ScriptedEvent{message, wParam, width, height});
}

}  // namespace

void scriptKey(int64_t frame, int virtualKey, bool down) {
    scriptEvent(frame, down ? platform::WM_KEYDOWN : platform::WM_KEYUP, static_cast<uintptr_t>(virtualKey));
}

void scriptSystemKey(int64_t frame, int virtualKey, bool down) {
    scriptEvent(frame, down ? platform::WM_SYSKEYDOWN : platform::WM_SYSKEYUP, static_cast<uintptr_t>(virtualKey));
}

void scriptResize(int64_t frame, int width, int height) { scriptEvent(frame, platform::WM_SIZE, 0, width, height); }

void scriptClose(int64_t frame) { scriptEvent(frame, platform::WM_CLOSE, 0); }

void scriptSystemCommand(int64_t frame, uintptr_t command) { scriptEvent(frame, platform::WM_SYSCOMMAND, command); }

void setFrameRate(int64_t numerator, int64_t denominator) {
    if (numerator > 0 && denominator > 0) script().frameRate = {numerator, denominator};
}

void setCounterFrequency(int64_t ticksPerSecond) {
    if (ticksPerSecond >= 0) script().counterFrequency = ticksPerSecond;
}

int64_t framesPresented() { return script().frames; }

void setResource(int id, std::vector<uint8_t> bytes) { script().resources[id] = std::move(bytes); }

const std::vector<int16_t>& capturedAudio() { return script().capturedAudio; }

int audioSampleRate() { return script().audio.sampleRate; }

void setAudioLatency(int frames) { script().audio.latencyFrames = frames; }

platform::PixelFormat lastPixelFormat() { return script().pixelFormat; }

void reset() { script() = detail::Script{}; }

}  // namespace headless

namespace platform {

ResourceBytes findResource(int id) {
    const auto& overrides = headless::detail::script().resources;
    const auto found = overrides.find(id);
    if (found == overrides.end()) return resources::findEmbedded(id);
    return {found->second.data(), found->second.size()};
}

}  // namespace platform
