#pragma once
// The classic teapot as bicubic Bezier patches: one quarter of the rim, body, lid and bottom and
// one half of the handle and spout (all with y <= 0); mirroring completes it to 32 patches.
namespace teapot {

constexpr int patchCount = 10;
// The first patches (rim, body, lid, bottom) are mirrored in x and y; the rest only in y.
constexpr int quarterPatchCount = 6;
constexpr int pointCount = 127;

// Each patch: 16 indices into points, a 4 x 4 net with row j, column k at j * 4 + k.
extern const int patches[patchCount][16];
extern const double points[pointCount][3];

}  // namespace teapot
