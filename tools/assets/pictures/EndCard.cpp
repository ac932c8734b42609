// The end card (141): a three-line slogan in large block capitals, each line set to the same
// width, over a small two-line signature of the makers and the production; white on black,
// opaque on the lettering. It stays on screen until the demo ends.
#include "../core/Lettering.h"
#include "Names.h"
#include "Pictures.h"

namespace assets {

Picture endCard() {
    constexpr int kSize = 512;
    constexpr double kLeft = 56, kRight = 456;
    const Typeface bold("DejaVuSans-Bold");
    const Typeface plain("DejaVuSans");

    Path text;
    double top = 0;
    for (const char* line : {"SEE YOU", "AT THE", "NEXT PARTY"}) {
        const Path raw = textLine(bold, line, 100, 4);
        const Bounds b = raw.bounds();
        const double scale = (kRight - kLeft) / b.width();
        text.append(raw.transformed(Affine{scale, 0, 0, scale, kLeft - b.left * scale, top - b.top * scale}));
        top += b.height() * scale + 18;
    }
    text.append(rectangle(kLeft, top + 6, kRight, top + 10));
    const std::string production = std::string(names::kProduction) + " by " + names::kGroup;
    const std::string makers = std::string(names::kCoder) + "  \xB7  " + names::kMusician + "  \xB7  " +
                               names::kGraphician;
    text.append(centredOnBaseline(textLine(bold, production, 26, 1), 256, top + 50));
    text.append(centredOnBaseline(textLine(plain, makers, 20, 0.5), 256, top + 80));

    const Mask ink = fill(centredOn(text, kSize / 2.0, kSize / 2.0), kSize, kSize);
    Picture card(kSize, kSize, {0, 0, 0});
    paint(card, ink, {1, 1, 1});
    setAlpha(card, ink);
    return card;
}

}  // namespace assets
