#pragma once
// Reads presented frames back without waiting for each: every frame is read into one of two
// pixel-buffer objects in turn, and the previous frame is taken from the other, so the copy
// overlaps the next frame's rendering where the driver can. Reads from the framebuffer the
// frame was just presented to (the one bound for drawing while the present hook runs).
#include <cstdint>
#include <vector>

class FrameReadback {
public:
    // With the context current; `width` x `height` is the frame size.
    FrameReadback(int width, int height);
    ~FrameReadback();  // with the context still current
    FrameReadback(const FrameReadback&) = delete;
    FrameReadback& operator=(const FrameReadback&) = delete;

    // Starts reading the frame just presented; true with the frame before it as RGBA bytes,
    // bottom row first, in `previous` (false for the first frame).
    bool read(std::vector<uint8_t>& previous);
    // The last frame read; false when there is none.
    bool finish(std::vector<uint8_t>& last);

private:
    void take(uint32_t buffer, std::vector<uint8_t>& pixels);

    int width;
    int height;
    uint32_t buffers[2] = {0, 0};  // none without pixel-buffer objects: then reads are direct
    int next = 0;
    bool pending = false;
    std::vector<uint8_t> direct;  // the frame read last, when reading directly
};
