#pragma once
// The closing scene: three full-screen pictures on waving sheets. A background painting fades in
// on a strongly waving sheet; the list of greeted groups is added over it on a faster, gentler
// wave and cross-fades into the end card, which stays to the end. The list and the end card are
// drawn additively, so only their white lettering shows over the painting. The scene sets its own
// projection and camera and leaves both matrix stacks as it found them.
#include <array>

#include "runtime/Scene.h"
#include "scenes/SceneMath.h"

class GreetsScene : public Scene {
public:
    static constexpr int paintingTextureId = 138;
    static constexpr int greetingsTextureId = 139;
    static constexpr int endCardTextureId = 141;
    static constexpr int gridSize = 10;  // vertices along each side of the sheet
    static constexpr int layerCount = 3;

    struct Data {
        // The sheet, row r (y = r - 5) then column j (x = j - 5); rebuilt before every layer.
        Vec3 grid[gridSize][gridSize];
    };
    static Data data;

    // Opacity of the painting, the list and the end card at a local time: the painting fades in
    // over 2 s, the list over the next 2 s, and from 10 s to 12 s the list gives way to the card.
    static std::array<float, layerCount> opacitiesAt(int32_t localMs);

    // Fills the grid with the sheet z = k^2 sin((25.6 r + a) w) cos((25.6 j + b) w), w close to
    // pi / 256: about nine tenths of a half wave over the rows.
    static void buildWaveGrid(float a, float b, float k);
    // Draws the grid as textured quads, the whole picture once over the sheet, t growing with y.
    static void drawWaveGrid();

    bool init(int32_t phase) override;
    bool render(int32_t localMs) override;
};
