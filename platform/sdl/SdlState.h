#pragma once
// What the files of the sdl backend share: the one window and the start of SDL's video.
#include <SDL.h>

#include "platform/Platform.h"

namespace sdl {

// The one window that exists at a time.
struct OpenWindow {
    SDL_Window* window = nullptr;
    // A desktop full-screen window tells the engine the client size it asked for, whatever the
    // desktop's size: the frame is rendered at that size and scaled into the window.
    bool desktopFullScreen = false;
    int askedWidth = 0;
    int askedHeight = 0;
};

OpenWindow& openWindow();

// Starts SDL's video (and with it the event queue) on first need; false when it cannot start.
bool ensureVideo();

// The handle the engine knows a window by, and back; none for anything but the open window.
platform::WindowHandle handleOf(SDL_Window* window);
SDL_Window* windowOf(platform::WindowHandle window);

// WM_SIZE's lParam for the open window: the asked size of a desktop full-screen window, the
// window's size (in the desktop's units, not the drawable's pixels) of any other.
intptr_t clientSizeParam(const OpenWindow& open);

}  // namespace sdl
