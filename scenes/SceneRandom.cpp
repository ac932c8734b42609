#include "scenes/SceneRandom.h"

namespace scenerandom {

namespace {

uint32_t state = 1;

}  // namespace

int next() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

void restart() { state = 1; }

}  // namespace scenerandom
