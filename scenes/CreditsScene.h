#pragma once
// The production's credits: three translucent square panels, one after another, each fading in,
// slowly tumbling and fading out again. The scene is an overlay: it clears only the depth buffer
// and blends its panels over what the scenes before it in the frame drew.
#include "runtime/Scene.h"

class CreditsScene : public Scene {
public:
    static constexpr int panelCount = 3;

    struct Panel {
        int textureId;
        int32_t startMs;  // the fade-in begins here
        float distance;   // z of the panel's centre in eye coordinates
    };
    // In drawing order: programming, music, graphics.
    static const Panel panels[panelCount];

    // Tumbling angle in degrees about x and then y: 2 degrees a second, negative before the start.
    static float angleAt(const Panel& panel, int32_t localMs);
    // A two-second fade in after the start, full opacity until ten seconds after it, then a
    // two-second fade out for good.
    static float opacityAt(const Panel& panel, int32_t localMs);

    bool init(int32_t phase) override;
    bool render(int32_t localMs) override;
};
