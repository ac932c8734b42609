#pragma once
// Text over the rendered frame in the bitmap font (resource 102: 16 x 16 glyphs of code page 437
// in a 16 x 16 grid), placed on a virtual 640 x 480 screen with y growing downwards. Lines queued
// during a frame are drawn by flush while `debug` is set; a status message shows for 200 flushes
// after it changes. The font picture stays in memory so a new GL context can get the font again.
#include <cstdint>

#include "platform/TgaImage.h"
#include "runtime/PtrList.h"

struct QueuedLine {
    int32_t x;
    int32_t y;  // top edge, 0 at the top of the screen
    float r, g, b;
    char text[256];
};

class TextConsole {
public:
    static constexpr int fontResourceId = 102;
    static constexpr int statusDuration = 200;  // flushes

    TextConsole() = default;
    ~TextConsole();
    TextConsole(const TextConsole&) = delete;
    TextConsole& operator=(const TextConsole&) = delete;

    // Decodes the font picture and moves its shape into the alpha channel of white texels.
    void loadFont();
    // The font texture and the 256 glyph display lists in the current GL context.
    void buildFont();
    // Drops the queue and deletes the display lists, while the old context is still current.
    void releaseFont();
    void shutdown();

    // Formatted text is cut at 255 characters.
    void drawText(int32_t x, int32_t y, const char* format, ...) __attribute__((format(printf, 4, 5)));
    void queueLine(int32_t x, int32_t y, float r, float g, float b, const char* format, ...)
        __attribute__((format(printf, 7, 8)));
    void setStatus(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void flush();

    TgaImage* fontImage = nullptr;
    PtrList* queue = nullptr;
    uint32_t fontTexture = 0;
    int32_t listBase = -1;
    bool loaded = false;
    int32_t statusFrames = 0;
    char statusText[256] = {};
    bool debug = false;

private:
    void drawLine(int32_t x, int32_t y, const char* text);
    void dropQueue();
};
