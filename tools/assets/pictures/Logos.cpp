// The group's logos: its name as slanted 3-D lettering (136), its emblem and name in blue on
// white (113), and the icon drawn from the emblem (143).
#include <algorithm>

#include "../core/DetMath.h"
#include "../core/Lettering.h"
#include "Names.h"
#include "Pictures.h"

namespace assets {

namespace {

constexpr double kLean = 0.22;  // the slant of all lettering of the logos
constexpr Rgb kLightBlue{0.16f, 0.42f, 0.92f};
constexpr Rgb kDeepBlue{0.02f, 0.11f, 0.48f};

Path slantedName(const Typeface& face, double size) {
    return textLine(face, names::kGroup, size, -size * 0.02).transformed(Affine::shear(kLean));
}

// Blue that deepens from the top of the shape to its bottom.
auto blueGradient(double top, double bottom) {
    return [top, bottom](int, int y) { return mixRgb(kLightBlue, kDeepBlue, smoothstep(top, bottom, y + 0.5)); };
}

// The emblem: a blue disc with a white ring and a slanted white V, centred on (cx, cy).
void drawEmblem(Picture& picture, Mask& silhouette, const Typeface& face, double cx, double cy, double r,
                bool ring) {
    const int w = picture.width, h = picture.height;
    const Mask disc = fill(ellipse({cx, cy}, r, r, 128), w, h);
    paintWith(picture, disc, blueGradient(cy - r, cy + r));
    if (ring) {
        const double outer = r * 0.88, inner = r * 0.82;
        paint(picture, subtract(fill(ellipse({cx, cy}, outer, outer, 128), w, h),
                                fill(ellipse({cx, cy}, inner, inner, 128), w, h)), {1, 1, 1});
    }
    const Path v = centredOn(face.glyph('V', r * 1.45).transformed(Affine::shear(kLean)), cx + r * 0.02, cy);
    paint(picture, fill(v, w, h), {1, 1, 1});
    silhouette = unite(silhouette, disc);
}

}  // namespace

Picture slantedLogo() {
    // Drawn as it appears on the helix's square: the square shows the 512 x 256 picture
    // stretched to twice its height, so the lettering is laid out on a 512 x 512 design and
    // squeezed to half height.
    constexpr int kWidth = 512, kHeight = 256;
    const Affine squeeze = Affine::scale(1, 0.5);
    const Typeface face("DejaVuSans-Bold");
    constexpr int kLayers = 24;
    const Vec2 depth{10, 16};
    // Sized so that the name and its depth keep a margin to the square's edges.
    Path name = slantedName(face, 100);
    const double scale = (440 - depth.x) / name.bounds().width();
    name = centredOn(name.transformed(Affine::scale(scale, scale)), 256 - depth.x / 2, 256 - depth.y / 2);

    Picture logo(kWidth, kHeight, {0, 0, 0});
    Mask silhouette(kWidth, kHeight);
    for (int k = kLayers; k >= 1; --k) {
        const double t = double(k) / kLayers;
        const Mask layer = fill(name.transformed(squeeze.after(Affine::translate(depth.x * t, depth.y * t))),
                                kWidth, kHeight);
        const float grey = float(0.62 - 0.40 * t);
        paint(logo, layer, {grey, grey, float(grey * 1.05)});
        silhouette = unite(silhouette, layer);
    }
    const Mask front = fill(name.transformed(squeeze), kWidth, kHeight);
    const Bounds b = name.transformed(squeeze).bounds();
    // A dark rim around the faces keeps them apart from their depth and from the scene behind.
    const Mask rim = subtract(blur(front, 1), front);
    paint(logo, rim, {0.08f, 0.08f, 0.10f});
    paintWith(logo, front, [&](int, int y) {
        const float v = float(1.0 - 0.16 * smoothstep(b.top, b.bottom, y + 0.5));
        return Rgb{v, v, v};
    });
    setAlpha(logo, unite(unite(silhouette, front), rim));
    return logo;
}

Picture blueLogo() {
    constexpr int kSize = 256;
    const Typeface face("DejaVuSans-Bold");
    Picture logo(kSize, kSize, {1, 1, 1});
    Mask silhouette(kSize, kSize);
    drawEmblem(logo, silhouette, face, 128, 90, 56, true);
    const Path name = centredOn(slantedName(face, 50), 128, 190);
    const Bounds b = name.bounds();
    const Mask letters = fill(name, kSize, kSize);
    paintWith(logo, letters, blueGradient(b.top, b.bottom));
    setAlpha(logo, unite(silhouette, letters));
    return logo;
}

std::vector<Picture> iconImages() {
    const Typeface face("DejaVuSans-Bold");
    std::vector<Picture> images;
    for (int size : {16, 24, 32, 48, 64}) {
        Picture icon(size, size, {1, 1, 1});
        Mask silhouette(size, size);
        const double r = size / 2.0 - std::max(0.5, size / 32.0);
        drawEmblem(icon, silhouette, face, size / 2.0, size / 2.0, r, size >= 32);
        setAlpha(icon, silhouette);
        images.push_back(icon);
    }
    return images;
}

}  // namespace assets
