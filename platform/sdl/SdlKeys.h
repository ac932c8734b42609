#pragma once
// SDL key events as the Windows key messages the window procedure expects.
#include <SDL.h>

#include <cstdint>

namespace sdl {

// The Windows virtual-key code of an SDL key; 0 for keys the demo has no code for.
int virtualKeyOf(SDL_Keycode key);

struct KeyMessage {
    uint32_t message;  // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP
    int virtualKey;
};

// The message for a key going down or up with the given modifiers; false for unknown keys.
// As on Windows, keys pressed with Alt held, Alt itself and F10 are system keys.
bool translateKey(SDL_Keycode key, uint16_t modifiers, bool pressed, KeyMessage& out);

}  // namespace sdl
