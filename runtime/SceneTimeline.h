#pragma once
// Every scheduled scene in order of addition, and each frame the ones active at the current
// timeline time, in the same order: the order of init, render and release.
#include <cstdint>

#include "runtime/PtrList.h"
#include "runtime/Scene.h"

class SceneTimeline {
public:
    SceneTimeline();
    ~SceneTimeline();
    SceneTimeline(const SceneTimeline&) = delete;
    SceneTimeline& operator=(const SceneTimeline&) = delete;

    void add(Scene* scene);
    // Rebuilds the active list for timeline time now: scenes with startMs <= now < endMs.
    void updateActive(int32_t now);
    // The next active scene of this walk; none at the end, after which the walk starts again.
    Scene* nextActive();
    // Initialises every scene in order; the first that failed (the rest are not called), or none.
    Scene* initAll(int32_t phase);
    void releaseAll();

    PtrList* scenes;
    PtrNode* cursor;
    PtrList* active;
    TextureRegistry* textures;
};
