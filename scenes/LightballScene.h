#pragma once
// Six glowing balls on the ends of three crossed axes fly in from behind the viewer, tumble in
// front of the camera and fly back out. Each ball is a textured core, a pulsing outline and a star
// of six light beams, all added to the picture. A huge textured sphere around the viewer, lit from
// the formation's centre, is blended over the previous frame ever more thinly, so that whatever
// moves leaves fading trails: the scene clears nothing.
#include "runtime/Scene.h"
#include "scenes/SceneMath.h"

class LightballScene : public Scene {
public:
    static constexpr int textureId = 116;
    static constexpr int ballCount = 6;

    // The balls' centres around the formation's centre, in its turning frame, in drawing order.
    static const Vec3 formation[ballCount];

    // Opacity of the enclosing sphere over the previous frame: 1 for ten seconds, then thinning
    // to 0.1, reached at 32.5 s.
    static float environmentOpacityAt(int32_t localMs);
    // Brightness of the enclosing sphere and of the beams: up from 5 s to 15 s, down from 55 s to
    // 65 s.
    static float brightnessAt(int32_t localMs);
    // z of the formation's centre in eye coordinates: from 30, behind the viewer, to -20 by 5 s;
    // from 65 s back out again, never further than 30.
    static float formationDistanceAt(int32_t localMs);
    // Opacity of the balls' outlines: from 0 to 1 and back every 3.6 s.
    static float pulseAt(int32_t localMs);

    bool init(int32_t phase) override;
    bool render(int32_t localMs) override;
};
