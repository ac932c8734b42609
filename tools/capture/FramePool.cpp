#include "tools/capture/FramePool.h"

#include <utility>

std::vector<uint8_t> FramePool::take() {
    std::lock_guard<std::mutex> lock(mutex);
    if (free.empty()) return {};
    std::vector<uint8_t> pixels = std::move(free.back());
    free.pop_back();
    return pixels;
}

void FramePool::giveBack(std::vector<uint8_t> pixels) {
    std::lock_guard<std::mutex> lock(mutex);
    free.push_back(std::move(pixels));
}
