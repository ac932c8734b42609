#pragma once
// The makers' logo over a white screen: smeared sideways into many faint copies that contract into
// one sharp image within the first second, turning slowly about the vertical axis, smeared apart
// and faded out again between 7 s and 8 s. It draws with the projection in force and replaces the
// modelview matrix with its camera and turn.
#include "runtime/Scene.h"

class VelmoraLogoScene : public Scene {
public:
    static constexpr int logoTextureId = 113;
    static constexpr float smearStep = 0.4f;

    // How far the copies fan out (0: one sharp copy) and their combined opacity.
    static float spreadAt(int32_t localMs);
    static float opacityAt(int32_t localMs);
    // Degrees about the y axis: -50 at the start, 10 degrees a second.
    static float turnAt(int32_t localMs);

    // The logo, a textured square of side 2, moved x along the x axis.
    static void drawLogoQuad(float x, float alpha);
    // The logo as a fan of copies in pairs 0.02 * g to either side, g = 0, step, 2 step ... below
    // spread; each copy gets an equal share of alpha.
    static void drawSmear(float spread, float step, float alpha);

    bool init(int32_t phase) override;
    bool render(int32_t localMs) override;
};
