#pragma once
// The window icon from the program's .ico resource.
#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sdl {

struct IconImage {
    int size = 0;               // width and height
    std::vector<uint8_t> rgba;  // top row first
};

// The largest square 32-bit bitmap of an .ico file with at most maxSize pixels a side; an empty
// image when the file holds none or is malformed.
IconImage decodeIcon(const uint8_t* data, size_t length, int maxSize);

// Gives the window the icon of that resource, if it decodes.
void setWindowIcon(SDL_Window* window, int resourceId);

}  // namespace sdl
