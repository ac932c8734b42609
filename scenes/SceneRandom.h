#pragma once
// The C library's generator as the demo was made with it, never seeded, so every run draws the
// same numbers on every platform: x <- x * 214013 + 2531011 (mod 2^32) from x = 1, giving
// (x >> 16) & 0x7FFF. One sequence for the whole process: the scenes that draw from it share it.
#include <cstdint>

namespace scenerandom {

// The next value, 0 to 32767.
int next();
// Starts the sequence over, as at program start (for tests).
void restart();

}  // namespace scenerandom
