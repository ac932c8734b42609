#pragma once
// A cube of 6 x 6 x 6 glowing yellow sprites that flies in from behind the viewer, tumbles slowly
// about all three axes and stops with the viewer inside it. Every sprite faces the viewer and
// spins about its view axis at its own random speed; the sprites are added onto the picture and
// fade out over the last five seconds. It draws with the projection it finds: the Tunnel's while
// that runs, and the last one the Tunnel set after it.
#include "runtime/Scene.h"

class FlaresScene : public Scene {
public:
    static constexpr int textureId = 111;
    static constexpr int gridSize = 6;
    static constexpr int flareCount = gridSize * gridSize * gridSize;

    // The scene's data, one set for the class. Flares are numbered in drawing order, along x
    // fastest and along z slowest.
    struct Data {
        float spinAngle[flareCount];  // degrees, stored by the frame before
        float spinSpeed[flareCount];  // degrees per millisecond
        float groupAngleX;  // tumble of the whole cube, degrees
        float groupAngleY;
        float groupAngleZ;
        float gridDistance;  // z of the cube's centre
    };
    static Data data;

    // Opacity of the sprites: 1, then a linear fade to 0 over the last five seconds.
    static float fadeAt(int32_t localMs);
    // Spin speed for a draw r of the generator: 1 / (r mod 100) degrees per ms. A remainder of 0
    // would make the speed infinite and the sprite's angle undefined, so it counts as 100: the
    // slowest spin, as if the remainders ran from 1 to 100.
    static float spinSpeedOf(int r);

    bool init(int32_t phase) override;
    bool render(int32_t localMs) override;
};
