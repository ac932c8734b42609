#pragma once
// One effect of the programme: a display name, the interval of timeline time in which it is
// active, and the shared texture registry. A scene class keeps its working data in storage of its
// own class, not in the object.
#include <cstdint>

class TextureRegistry;

class Scene {
public:
    virtual ~Scene() = default;

    // Phase 0 runs once at start-up, before any texture is uploaded: the scene names itself,
    // requests its textures and builds its data. Phases 1 and 2 follow every (re)upload of the
    // textures. False marks the scene as failed.
    virtual bool init(int32_t phase) = 0;
    // Draws the frame at scene-local time localMs; false ends the demo after this frame.
    virtual bool render(int32_t localMs) = 0;
    // Called once at teardown; no scene of the programme has anything to release.
    virtual void release() {}

    TextureRegistry* textures = nullptr;
    char name[256] = {};
    int32_t startMs = 0;  // first active millisecond
    int32_t endMs = 0;    // first millisecond no longer active
};
