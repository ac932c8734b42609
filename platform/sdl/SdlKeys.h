#pragma once
// SDL's keys as the Windows virtual-key codes the window procedure expects.
#include <SDL.h>

namespace sdl {

// The Windows virtual-key code of an SDL key; 0 for keys the demo has no code for.
int virtualKeyOf(SDL_Keycode key);

}  // namespace sdl
