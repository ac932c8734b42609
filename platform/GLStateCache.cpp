#include "platform/GLStateCache.h"

#include "platform/GL.h"

GLStateCache glStateCache = {};

namespace {

void setCap(uint32_t capability, bool enable) {
    if (enable)
        glEnable(capability);
    else
        glDisable(capability);
}

void switchCap(uint32_t capability, bool enable) {
    const int32_t wanted = enable ? 1 : 0;
    for (int32_t i = 0; i < glStateCache.count; ++i) {
        GLStateCache::Pair& pair = glStateCache.entries[i];
        if (pair.capability != static_cast<int32_t>(capability)) continue;
        if ((pair.enabled != 0) != enable) {
            pair.enabled = wanted;
            setCap(capability, enable);
        }
        return;
    }
    // A full table still switches the capability; it only stops remembering new ones.
    if (glStateCache.count < GLStateCache::capacity) {
        glStateCache.entries[glStateCache.count] = {static_cast<int32_t>(capability), wanted};
        ++glStateCache.count;
    }
    setCap(capability, enable);
}

}  // namespace

void enableCap(uint32_t capability) { switchCap(capability, true); }

void disableCap(uint32_t capability) { switchCap(capability, false); }

void resetCaps() {
    for (GLStateCache::Pair& pair : glStateCache.entries) pair.capability = 0;
    glStateCache.count = 0;
}
