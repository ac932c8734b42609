#include "platform/emulated/Windowing.h"

#include "platform/WindowMessages.h"

namespace emulated {

bool WindowClass::registerClass(const char* name, platform::WindowProc proc) {
    if (proc_ != nullptr || name == nullptr || proc == nullptr) return false;
    name_ = name;
    proc_ = proc;
    return true;
}

bool WindowClass::unregisterClass(const char* name) {
    if (proc_ == nullptr || name == nullptr || name_ != name) return false;
    name_.clear();
    proc_ = nullptr;
    return true;
}

platform::WindowProc WindowClass::procFor(const char* name) const {
    return (proc_ != nullptr && name != nullptr && name_ == name) ? proc_ : nullptr;
}

void MessageQueue::post(const platform::Message& message) { messages_.push_back(message); }

void MessageQueue::postQuit(int exitCode) {
    messages_.push_back({nullptr, platform::WM_QUIT, static_cast<uintptr_t>(exitCode), 0});
}

bool MessageQueue::take(platform::Message& message) {
    if (messages_.empty()) return false;
    message = messages_.front();
    messages_.pop_front();
    return true;
}

void MessageQueue::clear() { messages_.clear(); }

bool keyMessage(platform::WindowHandle window, int virtualKey, bool altHeld, bool pressed, platform::Message& out) {
    using namespace platform;
    if (virtualKey == 0) return false;
    const bool system = altHeld || virtualKey == VK_MENU || virtualKey == VK_F10;
    const uint32_t message = system ? (pressed ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (pressed ? WM_KEYDOWN : WM_KEYUP);
    out = {window, message, static_cast<uintptr_t>(virtualKey), 0};
    return true;
}

intptr_t defaultWindowProc(platform::WindowProc proc, platform::WindowHandle window, uint32_t message,
                           uintptr_t wParam, intptr_t lParam) {
    (void)lParam;
    if (proc == nullptr) return 0;
    if (message == platform::WM_SYSKEYDOWN && wParam == platform::VK_F4)
        return proc(window, platform::WM_SYSCOMMAND, platform::SC_CLOSE, 0);
    if (message == platform::WM_SYSCOMMAND && (wParam & 0xFFF0) == platform::SC_CLOSE)
        return proc(window, platform::WM_CLOSE, 0, 0);
    return 0;
}

}  // namespace emulated
