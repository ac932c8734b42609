#pragma once
// Lettering from the outlines of a TrueType font. Only the outlines are taken from FreeType, in
// font units and unhinted, and the rasteriser of Raster.h fills them: the result depends on the
// font file alone, not on the FreeType version that reads it.
#include <memory>
#include <string>

#include "Raster.h"

namespace assets {

class Typeface {
public:
    // A font of the DejaVu family shipped by Debian's fonts-dejavu-core, e.g. "DejaVuSans-Bold".
    explicit Typeface(const std::string& name);
    ~Typeface();
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;

    // The glyph's outline scaled so that one em is `size` pixels, baseline at y = 0, y down.
    Path glyph(char32_t code, double size) const;
    double advance(char32_t code, double size) const;
    double kerning(char32_t left, char32_t right, double size) const;

private:
    struct Face;
    std::unique_ptr<Face> face_;
};

// A line of text (Latin-1 bytes) laid out with kerning and `tracking` extra pixels between
// letters, starting at x = 0 on the baseline y = 0.
Path textLine(const Typeface& face, const std::string& text, double size, double tracking = 0);

// The path moved so that its bounding box is centred on (x, y).
Path centredOn(const Path& path, double x, double y);
// A text line (baseline at y = 0) moved so that it is centred on x with its baseline at y.
Path centredOnBaseline(const Path& line, double x, double baseline);

}  // namespace assets
