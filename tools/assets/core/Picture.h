#pragma once
// The working forms of a picture while it is drawn: a coverage mask (one float per pixel) and an
// RGB picture with its alpha channel, both with row 0 at the top. Values are 0..1 floats until
// the file writers quantise them.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace assets {

struct Rgb {
    float r, g, b;
};

Rgb mixRgb(Rgb a, Rgb b, double t);
Rgb scaleRgb(Rgb c, double k);

struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> cover;

    Mask() = default;
    Mask(int w, int h, float value = 0) : width(w), height(h), cover(size_t(w) * h, value) {}
    float& at(int x, int y) { return cover[size_t(y) * width + x]; }
    float at(int x, int y) const { return cover[size_t(y) * width + x]; }
};

// Pixelwise combinations of masks of the same size.
Mask unite(const Mask& a, const Mask& b);      // max
Mask subtract(const Mask& a, const Mask& b);   // a without b
Mask intersect(const Mask& a, const Mask& b);  // a times b
// A separable box blur applied three times: close to a Gaussian blur of sigma radius + 0.5.
Mask blur(const Mask& m, int radius);
// Moves the mask by whole pixels; what moves in is empty.
Mask shifted(const Mask& m, int dx, int dy);

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> rgb;
    std::vector<float> alpha;

    Picture() = default;
    Picture(int w, int h, Rgb fill, float alphaFill = 0)
        : width(w), height(h), rgb(size_t(w) * h, fill), alpha(size_t(w) * h, alphaFill) {}
    Rgb& at(int x, int y) { return rgb[size_t(y) * width + x]; }
    const Rgb& at(int x, int y) const { return rgb[size_t(y) * width + x]; }
};

// Lays colour over the picture where the mask covers it (the alpha channel is left alone).
void paint(Picture& picture, const Mask& mask, Rgb colour, double opacity = 1);

// Lays a colour computed per pixel over the picture where the mask covers it.
template <typename ColourAt>
void paintWith(Picture& picture, const Mask& mask, ColourAt colourAt) {
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const float cover = mask.at(x, y);
            if (cover > 0) picture.at(x, y) = mixRgb(picture.at(x, y), colourAt(x, y), cover);
        }
}

void setAlpha(Picture& picture, const Mask& mask);

// A byte from a 0..1 value, rounded to nearest.
inline uint8_t toByte(float v) {
    if (!(v > 0)) return 0;
    if (v >= 1) return 255;
    return uint8_t(v * 255.0f + 0.5f);
}

// Averages blocks of pixels (colour and alpha) down to the given size, as for a thumbnail.
Picture downsample(const Picture& picture, int width, int height);

}  // namespace assets
