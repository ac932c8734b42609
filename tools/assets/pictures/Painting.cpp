// The painting (138): an abstract picture of sweeping brush strokes in deep blues, crossed by
// thin veins and dry-brushed strokes of gold and sprinkled with flecks of gold leaf. It lies behind the
// closing greetings, so it stays dark overall and the white lettering added over it reads.
#include <cmath>

#include "../core/DetMath.h"
#include "../core/Noise.h"
#include "../core/Raster.h"
#include "Pictures.h"

namespace assets {

namespace {

constexpr int kSize = 512;
constexpr Rgb kGold{0.86f, 0.64f, 0.20f};
constexpr Rgb kPaleGold{1.0f, 0.88f, 0.52f};
constexpr Rgb kBlues[] = {
    {0.10f, 0.20f, 0.55f}, {0.04f, 0.10f, 0.32f}, {0.16f, 0.34f, 0.66f},
    {0.02f, 0.05f, 0.18f}, {0.05f, 0.27f, 0.48f}, {0.08f, 0.13f, 0.42f},
};

// A random stream from a seed: each call gives the next value in [0, 1).
struct Dice {
    uint32_t state;
    double next() { return unitFromHash(hash32(state++)); }
    double between(double a, double b) { return a + (b - a) * next(); }
};

struct Stroke {
    Vec2 from, control, to;
    double width;
};

Vec2 bezier(const Stroke& s, double t) {
    const double u = 1 - t;
    return {u * u * s.from.x + 2 * u * t * s.control.x + t * t * s.to.x,
            u * u * s.from.y + 2 * u * t * s.control.y + t * t * s.to.y};
}

// The outline of a brush stroke: a band along the curve that swells from a point and tapers.
Path strokeOutline(const Stroke& s) {
    constexpr int kSteps = 40;
    std::vector<Vec2> left, right;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = double(i) / kSteps;
        const Vec2 a = bezier(s, std::fmax(0.0, t - 0.01));
        const Vec2 b = bezier(s, std::fmin(1.0, t + 0.01));
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double len = std::sqrt(dx * dx + dy * dy);
        const double half = s.width / 2 * std::sqrt(std::fmin(1.0, 5 * t * (1 - t)));
        const Vec2 p = bezier(s, t);
        left.push_back({p.x - dy / len * half, p.y + dx / len * half});
        right.push_back({p.x + dy / len * half, p.y - dx / len * half});
    }
    Path outline;
    outline.moveTo(left.front());
    for (size_t i = 1; i < left.size(); ++i) outline.lineTo(left[i]);
    for (size_t i = right.size(); i-- > 0;) outline.lineTo(right[i]);
    return outline;
}

Stroke randomStroke(Dice& dice, double minWidth, double maxWidth) {
    const Vec2 from{dice.between(-60, kSize + 60), dice.between(-60, kSize + 60)};
    const double angle = dice.between(-0.7, 0.3);
    const double length = dice.between(220, 480);
    const Vec2 to{from.x + length * detCos(angle), from.y + length * detSin(angle)};
    const double bend = dice.between(-0.2, 0.2) * length;
    const Vec2 control{(from.x + to.x) / 2 - bend * detSin(angle), (from.y + to.y) / 2 + bend * detCos(angle)};
    return {from, control, to, dice.between(minWidth, maxWidth)};
}

// Bristle streaks: how much paint a brush moving along `angle` leaves at each pixel.
Mask bristles(const Mask& stroke, Vec2 direction, uint32_t seed, double dryness) {
    Mask paint = stroke;
    const double c = direction.x, s = direction.y;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            float& v = paint.at(x, y);
            if (v <= 0) continue;
            const double along = (x * c + y * s) / kSize;
            const double across = (-x * s + y * c) / kSize;
            const double streak = fractalNoise(along, across, 4, 90, 2, seed);
            v *= float(0.2 + 0.8 * smoothstep(-0.3 + dryness, 0.25 + dryness, streak));
        }
    return paint;
}

// Thin gold veins where a warped field passes through two levels, with ragged edges.
double goldVeins(double u, double v) {
    const double wx = fractalNoise(u, v, 2, 2, 4, 384);
    const double wy = fractalNoise(u, v, 2, 2, 4, 385);
    const double field = fractalNoise(u + 0.4 * wx, v + 0.4 * wy, 2, 2, 5, 386);
    const double ragged = 0.02 * fractalNoise(u, v, 16, 16, 3, 387);
    double gold = 0;
    for (double level : {-0.25, 0.3}) {
        const double width = 0.010 + 0.008 * fractalNoise(u, v, 3, 3, 2, 388);
        gold = std::fmax(gold, smoothstep(width, width * 0.3, std::fabs(field - level + ragged)));
    }
    return gold;
}

void paintStroke(Picture& art, const Stroke& s, Rgb colour, double opacity, uint32_t seed, double dryness) {
    const double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
    const double len = std::sqrt(dx * dx + dy * dy);
    paint(art, bristles(fill(strokeOutline(s), kSize, kSize), {dx / len, dy / len}, seed, dryness), colour, opacity);
}

}  // namespace

Picture painting() {
    Picture art(kSize, kSize, {0, 0, 0});
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const double u = (x + 0.5) / kSize, v = (y + 0.5) / kSize;
            const double wash = 0.5 + 0.5 * fractalNoise(u, v, 2, 2, 4, 380);
            // The grain of the canvas, which also keeps the dark gradients from banding.
            const double grain = 1 + 0.12 * (unitFromHash(hash2(x, y, 381)) - 0.5);
            art.at(x, y) = scaleRgb(mixRgb({0.01f, 0.02f, 0.08f}, {0.05f, 0.10f, 0.30f}, wash * (1 - 0.4 * v)), grain);
        }
    Dice dice{1380};
    for (int i = 0; i < 40; ++i) {
        const Stroke s = randomStroke(dice, 12, 44);
        const Rgb colour = kBlues[size_t(dice.next() * 6)];
        paintStroke(art, s, colour, dice.between(0.35, 0.75), 400 + uint32_t(i), -0.2);
    }
    for (int i = 0; i < 5; ++i) {
        const Stroke s = randomStroke(dice, 5, 14);
        paintStroke(art, s, mixRgb(kGold, kPaleGold, dice.next()), 0.95, 500 + uint32_t(i), 0.15);
    }
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const double u = (x + 0.5) / kSize, v = (y + 0.5) / kSize;
            const double sheen = 0.5 + 0.5 * fractalNoise(u, v, 12, 12, 2, 390);
            art.at(x, y) = mixRgb(art.at(x, y), mixRgb(kGold, kPaleGold, sheen), 0.9 * goldVeins(u, v));
        }
    // Flecks of gold leaf.
    Path flecks;
    for (int i = 0; i < 90; ++i) {
        const Vec2 at{dice.between(0, kSize), dice.between(0, kSize)};
        const double r = dice.between(0.8, 2.6);
        flecks.append(ellipse(at, r, r * 0.8, 12));
    }
    paint(art, fill(flecks, kSize, kSize), kPaleGold, 0.85);
    return art;
}

}  // namespace assets
