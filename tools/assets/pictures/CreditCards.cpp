// The credit cards (103, 104, 105): a maker's name as a large stylised logo over a one-line
// caption saying what they made, white on black, opaque only on the lettering. The credits scene
// shows each one nearly as high as the screen over the lightball picture.
#include "../core/DetMath.h"
#include "../core/Lettering.h"
#include "Names.h"
#include "Pictures.h"

namespace assets {

namespace {

constexpr int kSize = 256;
constexpr double kLean = 0.25;
constexpr double kTall = 1.45;  // the name's letters are stretched to this height

// Horizontal cuts through the lower part of the letters, thicker towards the bottom: the
// "speed lines" of the name logo.
Path speedCuts(const Bounds& b) {
    Path cuts;
    const double h = b.height();
    const double stripes[][2] = {{0.56, 0.035}, {0.69, 0.055}, {0.82, 0.075}};
    for (const auto& s : stripes) {
        const double y = b.top + h * s[0];
        cuts.append(rectangle(b.left - 20, y, b.right + 20, y + h * s[1]));
    }
    return cuts;
}

// A tapering stroke under the name, pointed at both ends, leaning like the letters.
Path swoosh(double left, double right, double y, double thickness) {
    Path p;
    p.moveTo({left, y + thickness * 0.5});
    p.quadTo({(left + right) / 2, y - thickness * 0.9}, {right, y});
    p.quadTo({(left + right) / 2, y + thickness * 0.6}, {left, y + thickness * 0.5});
    p.close();
    return p;
}

Picture creditCard(const char* name, const char* caption) {
    const Typeface bold("DejaVuSans-Bold");
    // Tall, leaning letters, as wide as the card allows.
    Path logo = textLine(bold, name, 60, -1).transformed(Affine::shear(kLean));
    const double fit = 226 / logo.bounds().width();
    logo = centredOn(logo.transformed(Affine::scale(fit, fit * kTall)), 128, 100);
    const Bounds b = logo.bounds();

    Mask ink = subtract(fill(logo, kSize, kSize), fill(speedCuts(b), kSize, kSize));
    ink = unite(ink, fill(swoosh(b.left - 4, b.right + 6, b.bottom + 12, 6), kSize, kSize));
    const Path line = centredOnBaseline(textLine(bold, caption, 20, 3), 128, b.bottom + 56);
    ink = unite(ink, fill(line, kSize, kSize));

    Picture card(kSize, kSize, {0, 0, 0});
    paint(card, ink, {1, 1, 1});
    setAlpha(card, ink);
    return card;
}

}  // namespace

Picture creditCode() { return creditCard(names::kCoder, "programming"); }
Picture creditGraphics() { return creditCard(names::kGraphician, "graphics"); }
Picture creditMusic() { return creditCard(names::kMusician, "music"); }

}  // namespace assets
