// The light spot (111): a soft white glow on black. The flares draw it additively in yellow on
// squares that touch their neighbours, so it must fade to pure black well inside its square.
#include "../core/DetMath.h"
#include "Pictures.h"

namespace assets {

Picture lightSpot() {
    constexpr int kSize = 128;
    constexpr double kCentre = kSize / 2.0;
    constexpr double kRadius = 60;  // zero beyond this
    Picture spot(kSize, kSize, {0, 0, 0});
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const double dx = x + 0.5 - kCentre;
            const double dy = y + 0.5 - kCentre;
            const double q = clamp01((dx * dx + dy * dy) / (kRadius * kRadius));
            const double fall = 1 - q;
            // A wide halo that reaches zero smoothly at the rim, with a hot core.
            const double halo = fall * fall * fall;
            double core = fall * fall * fall;
            core = core * core;
            core = core * core;  // fall to the 12th power
            const float v = float(clamp01(0.72 * halo + 0.45 * core));
            spot.at(x, y) = {v, v, v};
        }
    return spot;
}

}  // namespace assets
