#pragma once
// Fifty daisies released one a second, each drifting away from the viewer along its own random
// path, spinning and fading out over fifty seconds, while the sky darkens from white to a dusky
// blue. It clears the buffers itself and draws with the projection in force.
#include <cstdint>

#include "runtime/Scene.h"
#include "scenes/SplinePath.h"

struct FlowerState {
    float angle;          // spin about the view axis, degrees
    float angleSpeed;     // degrees per millisecond
    float progress;       // along the path, 0 to 1; the flower fades as it goes
    float progressSpeed;  // progress per millisecond
    int32_t active;       // released
    int32_t launchMs;     // local time of release
};

class FlowerPowerScene : public Scene {
public:
    static constexpr int textureId = 129;
    static constexpr int flowerCount = 50;
    static constexpr int keysPerPath = 20;

    struct Colour {
        float red = 1;
        float green = 1;
        float blue = 1;
    };

    // The scene's data, one set for the class; a frame draws each flower with the angle and
    // progress the frame before it stored.
    struct Data {
        SplinePath paths[flowerCount];  // flower k follows paths[k]
        FlowerState flowers[flowerCount];
        Colour skyColour;
    };
    static Data data;

    // The background: a linear fade from white that reaches (0.26, 0.35, 0.52) at 10 s and stays.
    static Colour skyColourAt(int32_t localMs);

    bool init(int32_t phase) override;
    bool render(int32_t localMs) override;
};
