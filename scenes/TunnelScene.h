#pragma once
// The opening effect: a flight along a lit, textured five-sided tunnel whose panels are outlined
// in pulsing green, rolling slowly about its axis; from 39.5 s the field of view widens, from 60 s
// everything fades to black. It clears the buffers and sets the projection that the scenes drawn
// after it in the same frame use.
#include "runtime/Scene.h"
#include "scenes/SceneMath.h"

class TunnelScene : public Scene {
public:
    static constexpr int textureId = 117;
    static constexpr int segmentCount = 8;
    static constexpr int sideCount = 5;

    // The scene's data, one set for the class; the depths, roll and light angle a frame uses were
    // stored by the frame before it.
    struct Data {
        float radius;
        float segmentLength;
        float scrollSpeed;  // units per millisecond
        float ringDepth[segmentCount];  // z of each segment's far end
        Vec3 faceNormals[segmentCount][sideCount];
        float rollAngle;   // degrees
        float lightAngle;  // degrees
    };
    static Data data;

    // Brightness of the walls: 1, then a linear fade to black over the last five seconds.
    static float fadeAt(int32_t localMs);
    // Opacity of the outlines: a pulse with a period of 3.6 s, at most a third of the fade.
    static float lineAlphaAt(int32_t localMs);

    bool init(int32_t phase) override;
    bool render(int32_t localMs) override;
};
