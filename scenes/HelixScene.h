#pragma once
// A fan of translucent logo squares in front of the viewer, over the tunnel. The squares start
// spread about the x axis like half a turn of a helix, fade in one after another and tumble about
// all three axes until they lie flat, stacked into one square facing the viewer; from 26.5 s only
// that square is left, and it fades out. It draws with the projection the Tunnel set in the same
// frame, so the Tunnel's widening view shrinks the last square while it fades.
#include "runtime/Scene.h"

class HelixScene : public Scene {
public:
    static constexpr int textureId = 136;
    static constexpr int squareCount = 22;

    // The scene's data, one set for the class.
    struct Data {
        int32_t visibleCount;  // squares drawn in the current frame
        float offset[3];       // translation of the whole fan
        float angleX[squareCount];  // current rotation of each square, degrees
        float angleY[squareCount];
        float angleZ[squareCount];
        float baseX[squareCount];  // starting angles, degrees
        float baseY[squareCount];
        float baseZ[squareCount];
        float speedX;  // degrees per millisecond
        float speedY;
        float speedZ;
        float opacity[squareCount];
        int32_t fadeStartMs[squareCount];  // local time at which each square starts to fade in
        // Set in the first frame in which square 0 stands at all three caps; from then on no
        // angle changes.
        bool settled;
    };
    static Data data;

    // Caps of the angles: 6, 4 and 2 full turns, so a square at its caps faces the viewer.
    static constexpr float capX = 2160.0f;
    static constexpr float capY = 1440.0f;
    static constexpr float capZ = 720.0f;

    bool init(int32_t phase) override;
    bool render(int32_t localMs) override;
};
