#pragma once
// Browser key events as the Windows key messages the window procedure expects. Plain C++, so the
// translation is tested natively.
#include <cstdint>

namespace web {

// The Windows virtual-key code of a KeyboardEvent's `code` (the physical key: "KeyA", "Digit1",
// "F11", "Escape", ...); 0 for keys the demo has no code for.
int virtualKeyOf(const char* code);

struct KeyMessage {
    uint32_t message;  // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP
    int virtualKey;
};

// The message for a key going down or up; false for unknown keys. As on Windows, keys pressed
// with Alt held, Alt itself and F10 are system keys.
bool translateKey(const char* code, bool altHeld, bool pressed, KeyMessage& out);

}  // namespace web
