// The greetings (139): a heading over two columns of greeted groups, white on black and opaque
// on the lettering. The greets scene adds it over the painting on a gently waving sheet.
#include <iterator>

#include "../core/Lettering.h"
#include "Names.h"
#include "Pictures.h"

namespace assets {

Picture greetings() {
    constexpr int kSize = 512;
    const Typeface bold("DejaVuSans-Bold");
    const Typeface plain("DejaVuSans");
    Path text = centredOn(textLine(bold, "greetings to", 40, 1).transformed(Affine::shear(0.2)), 256, 58);
    // A thin rule under the heading.
    text.append(rectangle(96, 92, 416, 95));
    const double firstRow = 140, rowStep = 30;
    for (size_t i = 0; i < std::size(names::kGreetedLeft); ++i) {
        const double y = firstRow + rowStep * double(i);
        text.append(centredOnBaseline(textLine(plain, names::kGreetedLeft[i], 25, 0.5), 138, y));
        text.append(centredOnBaseline(textLine(plain, names::kGreetedRight[i], 25, 0.5), 374, y));
    }
    const Mask ink = fill(text, kSize, kSize);
    Picture list(kSize, kSize, {0, 0, 0});
    paint(list, ink, {1, 1, 1});
    setAlpha(list, ink);
    return list;
}

}  // namespace assets
