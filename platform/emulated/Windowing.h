#pragma once
// Pieces of Win32's windowing that the backends without Win32 (sdl, web, headless) rebuild the same
// way: the registered class with its window procedure, the thread's posted-message queue and
// the part of default window processing the demo relies on (Alt+F4 becomes a close request).
#include <deque>
#include <string>

#include "platform/Platform.h"

namespace emulated {

class WindowClass {
public:
    bool registerClass(const char* name, platform::WindowProc proc);
    bool unregisterClass(const char* name);
    // The procedure of the class a window was created with; none when the name is not registered.
    platform::WindowProc procFor(const char* name) const;

private:
    std::string name_;
    platform::WindowProc proc_ = nullptr;
};

class MessageQueue {
public:
    void post(const platform::Message& message);
    void postQuit(int exitCode);
    bool take(platform::Message& message);
    void clear();

private:
    std::deque<platform::Message> messages_;
};

// The message Windows sends the window for a key going down or up: keys pressed with Alt held, Alt
// itself and F10 are system keys (WM_SYSKEYDOWN, WM_SYSKEYUP), the rest WM_KEYDOWN and WM_KEYUP.
// False for virtual key 0, a key the demo has no code for.
bool keyMessage(platform::WindowHandle window, int virtualKey, bool altHeld, bool pressed, platform::Message& out);

// Default processing for a window whose procedure is `proc`.
intptr_t defaultWindowProc(platform::WindowProc proc, platform::WindowHandle window, uint32_t message,
                           uintptr_t wParam, intptr_t lParam);

}  // namespace emulated
