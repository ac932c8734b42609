// The metal plate (117): a purple, brushed steel plate with bevelled edges and a ring of domed
// rivets. It tiles: the tunnel repeats it over every wall panel, stretched along the tunnel's
// axis (the picture's vertical), so the brushing runs that way.
#include <cmath>

#include "../core/DetMath.h"
#include "../core/Noise.h"
#include "Pictures.h"

namespace assets {

namespace {

constexpr int kSize = 128;
constexpr double kRivetRadius = 4.5;
constexpr Rgb kSteel{0.50f, 0.31f, 0.69f};
constexpr Rgb kRivet{0.78f, 0.66f, 0.92f};

// The brushed, mottled surface.
Rgb surface(int x, int y) {
    const double u = (x + 0.5) / kSize;
    const double v = (y + 0.5) / kSize;
    const double brushed = fractalNoise(u, v, 48, 2, 3, 117);
    const double mottle = fractalNoise(u, v, 3, 3, 4, 1170);
    return scaleRgb(kSteel, 1 + 0.09 * brushed + 0.16 * mottle);
}

// Lighter on the top and left rims, darker on the bottom and right ones, with a dark seam
// where two plates meet.
double bevel(int x, int y) {
    const double left = x + 0.5, top = y + 0.5;
    const double right = kSize - left, bottom = kSize - top;
    const double nearest = std::fmin(std::fmin(left, right), std::fmin(top, bottom));
    if (nearest < 1) return 0.35;
    if (nearest >= 5) return 1;
    return (nearest == top || nearest == left) ? 1.28 : 0.68;
}

// A domed rivet lit from the upper left, with its shadow to the lower right.
void rivet(Picture& plate, double cx, double cy) {
    const double lx = -0.45, ly = -0.55, lz = 0.70;  // unit light direction
    for (int y = int(cy - 8); y <= int(cy + 8); ++y)
        for (int x = int(cx - 8); x <= int(cx + 8); ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double d = std::sqrt(dx * dx + dy * dy);
            const double sx = dx - 1.4, sy = dy - 1.8;
            const double fromShadow = std::sqrt(sx * sx + sy * sy);
            const double shadow = 1 - 0.55 * smoothstep(kRivetRadius + 1.5, kRivetRadius - 0.5, fromShadow);
            Rgb c = scaleRgb(plate.at(x, y), shadow);
            const double cover = clamp01(kRivetRadius - d + 0.5);
            if (cover > 0) {
                const double nx = dx / kRivetRadius, ny = dy / kRivetRadius;
                const double nz = std::sqrt(std::fmax(0.0, 1 - nx * nx - ny * ny));
                const double diffuse = std::fmax(0.0, nx * lx + ny * ly + nz * lz);
                const double hx = nx + 0.38, hy = ny + 0.42;
                const double glint = smoothstep(0.30, 0.0, std::sqrt(hx * hx + hy * hy));
                const Rgb dome = mixRgb(scaleRgb(kRivet, 0.25 + 0.85 * diffuse), {1, 1, 1}, 0.8 * glint);
                c = mixRgb(c, dome, cover);
            }
            plate.at(x, y) = c;
        }
}

}  // namespace

Picture metalPlate() {
    Picture plate(kSize, kSize, {0, 0, 0});
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) plate.at(x, y) = scaleRgb(surface(x, y), bevel(x, y));
    const double near = 10, far = kSize - 10;
    const double stops[] = {near, 46, 82, far};
    for (double p : stops) {
        rivet(plate, p, near);
        rivet(plate, p, far);
        if (p != near && p != far) {
            rivet(plate, near, p);
            rivet(plate, far, p);
        }
    }
    return plate;
}

}  // namespace assets
