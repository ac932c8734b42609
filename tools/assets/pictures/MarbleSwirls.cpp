// The marble swirls (116): warm orange and brown marbling. The lightball scene wraps it round a
// huge sphere that its light reaches only dimly and round the glowing balls, so it is bright and
// saturated, and it tiles in both directions so the sphere shows no seam.
#include <iterator>

#include "../core/DetMath.h"
#include "../core/Noise.h"
#include "Pictures.h"

namespace assets {

namespace {

constexpr int kSize = 256;

struct Stop {
    double at;
    Rgb colour;
};

// Dark chocolate through rust and orange to pale amber.
constexpr Stop kPalette[] = {
    {0.00, {0.22f, 0.08f, 0.02f}}, {0.30, {0.55f, 0.20f, 0.04f}}, {0.55, {0.92f, 0.48f, 0.10f}},
    {0.80, {1.00f, 0.72f, 0.30f}}, {1.00, {1.00f, 0.92f, 0.68f}},
};

Rgb paletteAt(double t) {
    t = clamp01(t);
    for (size_t i = 1; i < std::size(kPalette); ++i)
        if (t <= kPalette[i].at) {
            const Stop& a = kPalette[i - 1];
            const Stop& b = kPalette[i];
            return mixRgb(a.colour, b.colour, (t - a.at) / (b.at - a.at));
        }
    return kPalette[std::size(kPalette) - 1].colour;
}

}  // namespace

Picture marbleSwirls() {
    Picture marble(kSize, kSize, {0, 0, 0});
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const double u = (x + 0.5) / kSize;
            const double v = (y + 0.5) / kSize;
            // Stripes bent by domain-warped noise: the classic marble recipe. The stripes run a
            // whole number of times across and down, so the picture still tiles.
            const double wx = fractalNoise(u, v, 2, 2, 3, 11);
            const double wy = fractalNoise(u, v, 2, 2, 3, 12);
            const double n = fractalNoise(u + 0.45 * wx, v + 0.45 * wy, 3, 3, 4, 13);
            const double stripes = detSin(2 * kPi * (2 * u + v) + 7 * n);
            const double t = 0.5 + 0.32 * stripes + 0.45 * n;
            const double vein = smoothstep(0.90, 1.0, stripes) * smoothstep(-0.2, 0.3, n);
            marble.at(x, y) = mixRgb(paletteAt(t), {1.0f, 0.93f, 0.70f}, 0.6 * vein);
        }
    return marble;
}

}  // namespace assets
