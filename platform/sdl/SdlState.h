#pragma once
// What the files of the sdl backend share: the one window and the start of SDL's video.
#include <SDL.h>

#include "platform/Platform.h"

namespace sdl {

// The one window that exists at a time, with the procedure of the class it was created with.
struct OpenWindow {
    SDL_Window* window = nullptr;
    platform::WindowProc proc = nullptr;
};

OpenWindow& openWindow();

// Starts SDL's video (and with it the event queue) on first need; false when it cannot start.
bool ensureVideo();

// The handle the engine knows a window by, and back; none for anything but the open window.
platform::WindowHandle handleOf(SDL_Window* window);
SDL_Window* windowOf(platform::WindowHandle window);

// WM_SIZE's lParam for the window's drawable (pixel) size.
intptr_t drawableSizeParam(SDL_Window* window);

}  // namespace sdl
