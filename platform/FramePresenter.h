#pragma once
// Scenes draw into an offscreen framebuffer of the client size; presenting copies it into the
// window and swaps. The scene framebuffer is never swapped away, so after a swap it still holds
// the frame just shown, on every backend and driver: scenes that paint over the previous frame get
// the same picture everywhere, and capture reads the frame back from here. Without framebuffer
// objects the scenes draw into the window's back buffer as they would without us.
//
// Where the window's framebuffer is larger than the frame or of another shape (desktop full
// screen, a high-density display), the frame is scaled to the largest rectangle of its own aspect
// that fits, centred, with black bars around it.
#include <cstdint>
#include <vector>

#include "platform/Platform.h"

// Where a frame of frameWidth x frameHeight goes in an area of areaWidth x areaHeight: the largest
// rectangle of the frame's aspect that fits, centred (so its margins read the same from either
// edge), in whole pixels.
platform::Rect fitFrame(int frameWidth, int frameHeight, int areaWidth, int areaHeight);

class FramePresenter {
public:
    // With the window's context current: looks up the framebuffer entry points.
    void attach(platform::DeviceHandle device);
    // With the context still current: deletes the framebuffer.
    void detach();
    // (Re)creates the scene framebuffer at the client size and binds it for drawing. Sizes with a
    // zero side (a minimised window) keep the framebuffer as it is.
    void resize(int width, int height);
    // Copies the frame into the window's framebuffer and swaps; the platform's result.
    int present();

    bool usesFramebuffer() const { return framebuffer != 0; }
    int width() const { return frameWidth; }
    int height() const { return frameHeight; }
    // The current frame as RGBA bytes, bottom row first.
    std::vector<uint8_t> readPixels() const;

private:
    void deleteFramebuffer();

    platform::DeviceHandle device = nullptr;
    bool attached = false;
    uint32_t framebuffer = 0;
    uint32_t colorBuffer = 0;
    uint32_t depthBuffer = 0;
    int frameWidth = 0;
    int frameHeight = 0;
};
