// The daisy (129): a white daisy with a yellow centre, on white, opaque on the flower and
// transparent around it. The flower scene spins it over a sky that turns from white to dusky
// blue, so the petals carry soft grey shading and outlines that read on both.
#include <cmath>

#include "../core/DetMath.h"
#include "../core/Noise.h"
#include "../core/Raster.h"
#include "Pictures.h"

namespace assets {

namespace {

constexpr int kSize = 256;
constexpr double kCentre = kSize / 2.0;
constexpr double kDiscRadius = 27;

// One petal pointing along `angle` (radians), from just inside the disc out to `length`.
Path petal(double angle, double length, double width) {
    const double base = 12;
    Path p;
    p.moveTo({base, 0});
    p.cubicTo({base + 22, -width}, {length - 34, -width * 1.15}, {length - 5, -width * 0.55});
    p.quadTo({length, -width * 0.25}, {length - 1.5, 0});
    p.quadTo({length, width * 0.25}, {length - 5, width * 0.55});
    p.cubicTo({length - 34, width * 1.15}, {base + 22, width}, {base, 0});
    p.close();
    return p.transformed(Affine::translate(kCentre, kCentre).after(Affine::rotate(angle)));
}

// Petal colour: bluish grey at the base and along the middle rib, white towards the tip.
Rgb petalShade(int x, int y, double angle, double length, double dim) {
    const double dx = x + 0.5 - kCentre, dy = y + 0.5 - kCentre;
    const double along = dx * detCos(angle) + dy * detSin(angle);
    const double across = -dx * detSin(angle) + dy * detCos(angle);
    const double t = clamp01((along - kDiscRadius) / (length - kDiscRadius));
    Rgb c = mixRgb({0.80f, 0.82f, 0.90f}, {1, 1, 1}, smoothstep(0.0, 0.45, t));
    c = mixRgb(c, {0.86f, 0.87f, 0.93f}, 0.6 * smoothstep(1.6, 0.0, std::fabs(across)) * (1 - t));
    return scaleRgb(c, dim);
}

// A thin darker line just inside the edge of a shape.
Mask rim(const Mask& shape) {
    const Mask soft = blur(shape, 1);
    Mask edge(shape.width, shape.height);
    for (size_t i = 0; i < edge.cover.size(); ++i)
        edge.cover[i] = shape.cover[i] * float(1 - smoothstep(0.55, 0.95, soft.cover[i]));
    return edge;
}

void drawPetals(Picture& flower, Mask& silhouette, int count, double turn, double length, double dim,
                uint32_t seed) {
    for (int i = 0; i < count; ++i) {
        const uint32_t h = hash32(seed + uint32_t(i));
        const double angle = (i + turn + 0.12 * (unitFromHash(h) - 0.5)) * 2 * kPi / count;
        const double len = length * (0.94 + 0.08 * unitFromHash(hash32(h)));
        const double width = 11.5 * (0.9 + 0.2 * unitFromHash(hash32(h + 7)));
        const Mask shape = fill(petal(angle, len, width), kSize, kSize);
        // A soft shadow on the petals underneath, then the petal with its outline.
        paint(flower, intersect(subtract(blur(shifted(shape, 1, 2), 2), shape), silhouette), {0.55f, 0.57f, 0.68f},
              0.35);
        paintWith(flower, shape, [&](int x, int y) { return petalShade(x, y, angle, len, dim); });
        paint(flower, rim(shape), {0.62f, 0.64f, 0.74f}, 0.7);
        silhouette = unite(silhouette, shape);
    }
}

// The yellow disc: domed, lit from the upper left, covered in florets set in a spiral.
void drawDisc(Picture& flower, Mask& silhouette) {
    const Mask disc = fill(ellipse({kCentre, kCentre}, kDiscRadius, kDiscRadius), kSize, kSize);
    paint(flower, intersect(subtract(blur(shifted(disc, 2, 3), 3), disc), silhouette), {0.55f, 0.50f, 0.40f}, 0.5);
    paintWith(flower, disc, [](int x, int y) {
        const double dx = (x + 0.5 - kCentre) / kDiscRadius, dy = (y + 0.5 - kCentre) / kDiscRadius;
        const double light = clamp01(0.75 - 0.35 * dx - 0.45 * dy);
        return mixRgb(Rgb{0.78f, 0.42f, 0.02f}, Rgb{1.0f, 0.86f, 0.18f}, light);
    });
    Path florets;
    const double goldenAngle = kPi * (3 - std::sqrt(5.0));
    for (int i = 1; i < 150; ++i) {
        const double r = kDiscRadius * 0.93 * std::sqrt(i / 150.0);
        const double a = i * goldenAngle;
        florets.append(ellipse({kCentre + r * detCos(a), kCentre + r * detSin(a)}, 1.1, 1.1, 10));
    }
    paint(flower, intersect(fill(florets, kSize, kSize), disc), {0.62f, 0.30f, 0.02f}, 0.55);
    silhouette = unite(silhouette, disc);
}

}  // namespace

Picture daisy() {
    Picture flower(kSize, kSize, {1, 1, 1});
    Mask silhouette(kSize, kSize);
    drawPetals(flower, silhouette, 13, 0.5, 112, 0.93, 1290);
    drawPetals(flower, silhouette, 13, 0.0, 122, 1.0, 1291);
    drawDisc(flower, silhouette);
    setAlpha(flower, silhouette);
    return flower;
}

}  // namespace assets
