#include "CellGraphics.h"

#include <vector>

namespace assets {

namespace {

// Line weights of the arms of the box-drawing characters 179 to 218, as "UDLR" with 0 = none,
// 1 = single and 2 = double. In this set all vertical arms of a character share one weight and
// all horizontal arms another.
constexpr const char* kArms[40] = {
    "1100", "1110", "1120", "2210", "0210", "0120", "2220", "2200", "0220", "2020",  // 179-188
    "2010", "1020", "0110", "1001", "1011", "0111", "1101", "0011", "1111", "1102",  // 189-198
    "2201", "2002", "0202", "2022", "0222", "2202", "0022", "2222", "1022", "2011",  // 199-208
    "0122", "0211", "2001", "1002", "0102", "0201", "2211", "1122", "1010", "0101",  // 209-218
};

// Every line is two pixels thick, centred on a pixel boundary; double lines lie 2 pixels either
// side of the centre line with a two-pixel gap between them.
constexpr int kCentreX = 6;
constexpr int kCentreY = 8;
constexpr int kDoubleOffset = 2;

// The lines of one direction of a character: its arms towards the start (left or top) and the
// end (right or bottom) of the cell, their weight, and where they lie across the cell.
struct Axis {
    bool before, after;
    int weight;
    int centre;  // position of the centre line across the cell
    int length;  // extent of the cell along the lines

    bool present() const { return before || after; }
    std::vector<int> lines() const {
        if (weight == 2) return {centre - kDoubleOffset, centre + kDoubleOffset};
        return {centre};
    }
};

struct Span {
    int from, to;
};

// Where line number `index` of `self` runs along the cell, given the crossing axis `other`.
std::vector<Span> spansOf(const Axis& self, const Axis& other, size_t index) {
    if (!other.present())
        return {{self.before ? 0 : self.centre - 1, self.after ? self.length : self.centre + 1}};
    const int first = other.lines().front();
    const int last = other.lines().back();
    if (self.weight == 2 && other.weight == 2) {
        // Double meets double: a line on the side where the other axis has an arm stops at that
        // arm's nearer line; otherwise it runs on to the outer line, making the outer corner.
        const bool blocked = index == 0 ? other.before : other.after;
        if (!blocked) return {{self.before ? 0 : first - 1, self.after ? self.length : last + 1}};
        std::vector<Span> spans;
        if (self.before) spans.push_back({0, first + 1});
        if (self.after) spans.push_back({last - 1, self.length});
        return spans;
    }
    if (self.before && self.after) return {{0, self.length}};
    // One arm reaches the crossing lines: to their middle line if single, to the nearer of two
    // lines that pass through, to the farther of two lines that end here.
    const bool passes = other.before && other.after;
    int stop = other.centre;
    if (other.weight == 2) stop = (passes == self.before) ? first : last;
    if (self.before) return {{0, stop + 1}};
    return {{stop - 1, self.length}};
}

void fillRect(Mask& mask, int left, int top, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) mask.at(left + x, top + y) = 1;
}

void drawBox(Mask& mask, const char* arms, int left, int top) {
    const Axis vertical{arms[0] != '0', arms[1] != '0', arms[0] == '2' || arms[1] == '2' ? 2 : 1, kCentreX,
                        kCellHeight};
    const Axis horizontal{arms[2] != '0', arms[3] != '0', arms[2] == '2' || arms[3] == '2' ? 2 : 1, kCentreY,
                          kCellAdvance};
    if (horizontal.present()) {
        const auto ys = horizontal.lines();
        for (size_t i = 0; i < ys.size(); ++i)
            for (const Span& s : spansOf(horizontal, vertical, i))
                fillRect(mask, left, top, s.from, ys[i] - 1, s.to, ys[i] + 1);
    }
    if (vertical.present()) {
        const auto xs = vertical.lines();
        for (size_t i = 0; i < xs.size(); ++i)
            for (const Span& s : spansOf(vertical, horizontal, i))
                fillRect(mask, left, top, xs[i] - 1, s.from, xs[i] + 1, s.to);
    }
}

// Shades 176-178 cover a quarter, half and three quarters of the pixels in a two-pixel pattern,
// so they tile across cells.
bool shadeCovers(int code, int x, int y) {
    const bool quarter = (y % 2 == 0) ? (x % 4 == 0) : (x % 4 == 2);
    if (code == 176) return quarter;
    if (code == 177) return (x + y) % 2 == 0;
    return !quarter;
}

}  // namespace

bool isCellGraphic(int code) { return code >= 176 && code <= 223; }

void drawCellGraphic(Mask& mask, int code, int left, int top) {
    const int w = kCellAdvance;
    const int h = kCellHeight;
    if (code <= 178) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (shadeCovers(code, x, y)) mask.at(left + x, top + y) = 1;
    } else if (code <= 218) {
        drawBox(mask, kArms[code - 179], left, top);
    } else if (code == 219) {
        fillRect(mask, left, top, 0, 0, w, h);
    } else if (code == 220) {
        fillRect(mask, left, top, 0, h / 2, w, h);
    } else if (code == 221) {
        fillRect(mask, left, top, 0, 0, w / 2, h);
    } else if (code == 222) {
        fillRect(mask, left, top, w / 2, 0, w, h);
    } else {
        fillRect(mask, left, top, 0, 0, w, h / 2);
    }
}

}  // namespace assets
