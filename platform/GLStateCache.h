#pragma once
// A filter in front of glEnable and glDisable: scenes and the console state the capabilities they
// need at every draw, and only changes reach GL. Every switch of a capability must go through here
// once it has a pair, or the pair goes stale. resetCaps forgets everything, for a new GL context.
#include <cstdint>

struct GLStateCache {
    struct Pair {
        int32_t capability;
        int32_t enabled;
    };
    static constexpr int32_t capacity = 255;

    Pair entries[capacity];
    int32_t count;
};

// The one table of the process, empty at program start.
extern GLStateCache glStateCache;

void enableCap(uint32_t capability);
void disableCap(uint32_t capability);
void resetCaps();
