#pragma once
// The frames' pixel buffers, used again once the worker has written them: a capture at 1440x1080
// would otherwise allocate and zero-fill 6 MB for every frame. At most as many buffers exist as
// frames are queued, read back and being written.
#include <cstdint>
#include <mutex>
#include <vector>

class FramePool {
public:
    // A buffer of any size: empty when none is free, else one given back, with its old pixels.
    std::vector<uint8_t> take();
    // From any thread.
    void giveBack(std::vector<uint8_t> pixels);

private:
    std::mutex mutex;
    std::vector<std::vector<uint8_t>> free;
};
