#pragma once
// A solid textured teapot, spinning about all three axes 50 units in front of the viewer. It
// clears the buffers itself and draws with the projection in force.
#include <cstdint>

#include "runtime/Scene.h"

class TestScene : public Scene {
public:
    static constexpr int textureId = 117;

    struct Angles {
        float x;  // degrees, about each axis in turn
        float y;
        float z;
    };
    // The spin: 10, 5 and 15 degrees per second about x, y and z.
    static Angles anglesAt(int32_t localMs);

    bool init(int32_t phase) override;
    bool render(int32_t localMs) override;
};
