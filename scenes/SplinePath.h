#pragma once
// A smooth path through keys one second apart: a cubic Hermite spline whose tangents are taken
// from the neighbouring keys (Catmull-Rom style). The flowers drift along such paths.
#include <cstdint>

#include "runtime/PtrList.h"
#include "scenes/SceneMath.h"

struct SplineKey {
    Vec3 position;
    Vec3 inTangent;   // with which the path arrives at this key
    Vec3 outTangent;  // with which the path leaves it
    int32_t timeMs = 0;
};

class SplinePath {
public:
    static constexpr int32_t keySpacingMs = 1000;

    SplinePath() = default;
    ~SplinePath() { clear(); }
    SplinePath(const SplinePath&) = delete;
    SplinePath& operator=(const SplinePath&) = delete;

    // Appends a key at (x, y, z) with both tangents 0.
    void addKey(float x, float y, float z);
    // Deletes every key.
    void clear();
    // Times the keys, sets the duration and the tangents; after the last addKey.
    void build();
    // The point at fraction u of the duration; before the first key and from the last key on, the
    // path rests at its end keys.
    Vec3 pointAt(float u) const;
    // The key at index, or none when the path is shorter.
    SplineKey* keyAt(int32_t index) const;

    PtrList keys;  // of SplineKey, owned, in the order added
    int32_t durationMs = 0;
};
