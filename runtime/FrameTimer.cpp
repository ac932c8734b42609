#include "runtime/FrameTimer.h"

#include <cstdlib>
#include <limits>

#include "platform/Platform.h"

int32_t mulDiv(int64_t a, int32_t b, int64_t c) {
    if (c == 0) return -1;
    const bool negative = ((a < 0) != (b < 0)) != (c < 0);
    const auto magnitude = [](int64_t v) { return v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v); };
    const uint64_t ua = magnitude(a), ub = magnitude(b), uc = magnitude(c);
    // a x b / c = q x b + r x b / c, so nothing wider than 64 bits is needed while r x b fits,
    // which holds for any counter frequency below 2^53 with b = 1000.
    const uint64_t q = ua / uc, r = ua % uc;
    const uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int32_t>::max()) + (negative ? 1 : 0);
    if (ub != 0 && q > limit / ub) return -1;
    const uint64_t rounded = q * ub + (2 * r * ub + uc) / (2 * uc);
    if (rounded > limit) return -1;
    return negative ? static_cast<int32_t>(0 - rounded) : static_cast<int32_t>(rounded);
}

FrameTimer::FrameTimer() : frequency(platform::counterFrequency()) {}

void FrameTimer::reset() { startCount = platform::counterValue(); }

int32_t FrameTimer::elapsedMs() {
    lastCount = platform::counterValue();
    return mulDiv(lastCount - startCount, 1000, frequency);
}
