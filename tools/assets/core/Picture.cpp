#include "Picture.h"

#include <algorithm>

namespace assets {

Rgb mixRgb(Rgb a, Rgb b, double t) {
    return {float(a.r + (b.r - a.r) * t), float(a.g + (b.g - a.g) * t), float(a.b + (b.b - a.b) * t)};
}

Rgb scaleRgb(Rgb c, double k) { return {float(c.r * k), float(c.g * k), float(c.b * k)}; }

namespace {

template <typename Combine>
Mask combine(const Mask& a, const Mask& b, Combine f) {
    Mask out(a.width, a.height);
    for (size_t i = 0; i < out.cover.size(); ++i) out.cover[i] = f(a.cover[i], b.cover[i]);
    return out;
}

// One box-blur pass along a line of n values spaced `stride` apart.
void boxPass(const float* in, float* out, int n, int stride, int radius) {
    const float scale = 1.0f / float(2 * radius + 1);
    double sum = 0;
    for (int i = -radius; i <= radius; ++i)
        if (i >= 0 && i < n) sum += in[size_t(i) * stride];
    for (int i = 0; i < n; ++i) {
        out[size_t(i) * stride] = float(sum) * scale;
        const int enter = i + radius + 1;
        const int leave = i - radius;
        if (enter < n) sum += in[size_t(enter) * stride];
        if (leave >= 0) sum -= in[size_t(leave) * stride];
    }
}

}  // namespace

Mask unite(const Mask& a, const Mask& b) {
    return combine(a, b, [](float x, float y) { return std::max(x, y); });
}

Mask subtract(const Mask& a, const Mask& b) {
    return combine(a, b, [](float x, float y) { return x * (1 - y); });
}

Mask intersect(const Mask& a, const Mask& b) {
    return combine(a, b, [](float x, float y) { return x * y; });
}

Mask blur(const Mask& m, int radius) {
    Mask a = m;
    Mask b(m.width, m.height);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < m.height; ++y)
            boxPass(&a.cover[size_t(y) * m.width], &b.cover[size_t(y) * m.width], m.width, 1, radius);
        for (int x = 0; x < m.width; ++x) boxPass(&b.cover[x], &a.cover[x], m.height, m.width, radius);
    }
    return a;
}

Mask shifted(const Mask& m, int dx, int dy) {
    Mask out(m.width, m.height);
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            const int sx = x - dx;
            const int sy = y - dy;
            if (sx >= 0 && sy >= 0 && sx < m.width && sy < m.height) out.at(x, y) = m.at(sx, sy);
        }
    return out;
}

void paint(Picture& picture, const Mask& mask, Rgb colour, double opacity) {
    for (size_t i = 0; i < picture.rgb.size(); ++i)
        if (mask.cover[i] > 0) picture.rgb[i] = mixRgb(picture.rgb[i], colour, mask.cover[i] * opacity);
}

void setAlpha(Picture& picture, const Mask& mask) { picture.alpha = mask.cover; }

Picture downsample(const Picture& picture, int width, int height) {
    Picture out(width, height, {0, 0, 0});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int x0 = x * picture.width / width, x1 = (x + 1) * picture.width / width;
            const int y0 = y * picture.height / height, y1 = (y + 1) * picture.height / height;
            Rgb sum{0, 0, 0};
            float alpha = 0;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    const Rgb& c = picture.at(sx, sy);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                    alpha += picture.alpha[size_t(sy) * picture.width + sx];
                }
            const float n = float((x1 - x0) * (y1 - y0));
            out.at(x, y) = scaleRgb(sum, 1.0 / n);
            out.alpha[size_t(y) * width + x] = alpha / n;
        }
    return out;
}

}  // namespace assets
