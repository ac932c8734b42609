// The console font (102): the 256 characters of code page 437 in a 16 x 16 grid of 16 x 16
// cells, white on black in red, green and blue, alpha 0. The console draws a cell every 12
// pixels, so each glyph keeps to the cell's first 12 columns (and never passes column 13).
#include <algorithm>

#include "../core/Lettering.h"
#include "CellGraphics.h"
#include "Pictures.h"

namespace assets {

namespace {

// Unicode for each code of code page 437; 0 marks the cells drawn by CellGraphics and the cells
// left blank (0, 9, 10, 13, 32 and 255, whatever their character is).
constexpr char32_t kCodePage437[256] = {
    0,      0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,  // 0-7
    0x25D8, 0,      0,      0x2642, 0x2640, 0,      0x266B, 0x263C,  // 8-15
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,  // 16-23
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,  // 24-31
    0,      '!',    '"',    '#',    '$',    '%',    '&',    '\'',    // 32-39
    '(',    ')',    '*',    '+',    ',',    '-',    '.',    '/',     // 40-47
    '0',    '1',    '2',    '3',    '4',    '5',    '6',    '7',     // 48-55
    '8',    '9',    ':',    ';',    '<',    '=',    '>',    '?',     // 56-63
    '@',    'A',    'B',    'C',    'D',    'E',    'F',    'G',     // 64-71
    'H',    'I',    'J',    'K',    'L',    'M',    'N',    'O',     // 72-79
    'P',    'Q',    'R',    'S',    'T',    'U',    'V',    'W',     // 80-87
    'X',    'Y',    'Z',    '[',    '\\',   ']',    '^',    '_',     // 88-95
    '`',    'a',    'b',    'c',    'd',    'e',    'f',    'g',     // 96-103
    'h',    'i',    'j',    'k',    'l',    'm',    'n',    'o',     // 104-111
    'p',    'q',    'r',    's',    't',    'u',    'v',    'w',     // 112-119
    'x',    'y',    'z',    '{',    '|',    '}',    '~',    0x2302,  // 120-127
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 128-135
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 136-143
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 144-151
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,  // 152-159
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // 160-167
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // 168-175
    0,      0,      0,      0,      0,      0,      0,      0,       // 176-183 cell graphics
    0,      0,      0,      0,      0,      0,      0,      0,       // 184-191
    0,      0,      0,      0,      0,      0,      0,      0,       // 192-199
    0,      0,      0,      0,      0,      0,      0,      0,       // 200-207
    0,      0,      0,      0,      0,      0,      0,      0,       // 208-215
    0,      0,      0,      0,      0,      0,      0,      0,       // 216-223
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // 224-231
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // 232-239
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // 240-247
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0,       // 248-255
};

constexpr int kCell = 16;
// Glyph metrics: an x-height of 7 pixels on a baseline 12 pixels down the cell, widened by a
// quarter so that the letters fill more of the 12-pixel advance.
constexpr double kEm = 12.8;
constexpr double kWiden = 1.25;
constexpr double kBaseline = 12;
// The ink box a glyph must stay within (columns 0 to 13 and the cell's rows).
constexpr double kInkLeft = 0.25, kInkRight = 13.75, kInkTop = 0, kInkBottom = 16;

// At this size the dots of the division sign touch its bar, so they are moved away from it.
constexpr char32_t kDivision = 0x00F7;
constexpr double kDotShift = 1.5;

Path spreadDots(const Path& glyph) {
    const Bounds all = glyph.bounds();
    const double middle = (all.top + all.bottom) / 2;
    Path spread;
    for (const auto& contour : glyph.contours()) {
        Path part;
        part.moveTo(contour.front());
        for (size_t i = 1; i < contour.size(); ++i) part.lineTo(contour[i]);
        const Bounds b = part.bounds();
        const double centre = (b.top + b.bottom) / 2;
        const double shift = centre < middle - 1 ? -kDotShift : (centre > middle + 1 ? kDotShift : 0);
        spread.append(part.transformed(Affine::translate(0, shift)));
    }
    return spread;
}

// The glyph outline placed in its cell at the origin, shrunk about its centre if it would leave
// the ink box (wide symbols such as the smiling faces and arrows).
Path placeGlyph(const Typeface& face, char32_t code) {
    const double advance = face.advance(code, kEm) * kWiden;
    const double left = (kCellAdvance - advance) / 2;
    Path glyph = face.glyph(code, kEm).transformed(Affine{kWiden, 0, 0, 1, left, kBaseline});
    if (code == kDivision) glyph = spreadDots(glyph);
    const Bounds b = glyph.bounds();
    const double fit = std::min({1.0, (kInkRight - kInkLeft) / b.width(), (kInkBottom - kInkTop) / b.height()});
    double cx = (b.left + b.right) / 2;
    double cy = (b.top + b.bottom) / 2;
    const double halfW = b.width() * fit / 2;
    const double halfH = b.height() * fit / 2;
    const double tx = std::clamp(cx, kInkLeft + halfW, kInkRight - halfW);
    const double ty = std::clamp(cy, kInkTop + halfH, kInkBottom - halfH);
    return glyph.transformed(Affine{fit, 0, 0, fit, tx - cx * fit, ty - cy * fit});
}

}  // namespace

Picture consoleFont() {
    const Typeface text("DejaVuSansMono-Bold");
    // The monospaced face draws the pictographs of codes 1-31 and 127 small; the proportional
    // one draws them at full size, and placeGlyph fits them into the cell.
    const Typeface pictographs("DejaVuSans-Bold");
    Mask ink(16 * kCell, 16 * kCell);
    for (int code = 0; code < 256; ++code) {
        const int left = (code % 16) * kCell;
        const int top = (code / 16) * kCell;
        if (isCellGraphic(code)) {
            drawCellGraphic(ink, code, left, top);
            continue;
        }
        if (kCodePage437[code] == 0) continue;
        const bool pictograph = code < 32 || code == 127;
        const Mask glyph = fill(placeGlyph(pictograph ? pictographs : text, kCodePage437[code]), kCell, kCell);
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) ink.at(left + x, top + y) = glyph.at(x, y);
    }
    Picture font(ink.width, ink.height, {0, 0, 0});
    paint(font, ink, {1, 1, 1});
    return font;
}

}  // namespace assets
