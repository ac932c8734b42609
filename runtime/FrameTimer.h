#pragma once
// Whole milliseconds since the last reset, on the platform's high-resolution counter. The tick
// difference is kept in 64 bits: today's counters run at 10 MHz to 1 GHz, where a 32-bit
// difference would wrap within seconds.
#include <cstdint>

class FrameTimer {
public:
    FrameTimer();
    void reset();
    // Milliseconds since reset, rounded to nearest (halves away from zero); -1 when the counter
    // has no frequency or the result does not fit in 32 bits.
    int32_t elapsedMs();

    int64_t startCount = 0;
    int64_t lastCount = 0;  // the latest reading
    int64_t frequency;
};

// a x b / c with a wide intermediate, rounded to nearest with halves away from zero; -1 when c is
// 0 or the result does not fit in 32 bits.
int32_t mulDiv(int64_t a, int32_t b, int64_t c);
