#include "Raster.h"

#include <algorithm>
#include <cmath>

#include "DetMath.h"

namespace assets {

Affine Affine::rotate(double radians) {
    const double c = detCos(radians);
    const double s = detSin(radians);
    return {c, -s, s, c, 0, 0};
}

Affine Affine::after(const Affine& first) const {
    return {xx * first.xx + xy * first.yx, xx * first.xy + xy * first.yy,
            yx * first.xx + yy * first.yx, yx * first.xy + yy * first.yy,
            xx * first.dx + xy * first.dy + dx, yx * first.dx + yy * first.dy + dy};
}

void Path::moveTo(Vec2 p) { contours_.push_back({p}); }

void Path::lineTo(Vec2 p) { contours_.back().push_back(p); }

namespace {

// More segments for longer curves: the error of n chords falls with n squared, so about
// 2 sqrt(length) chords keep it well under a pixel.
int segmentsFor(double length) { return std::clamp(int(std::sqrt(length) * 2.0) + 2, 2, 64); }

double distance(Vec2 a, Vec2 b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y)); }

}  // namespace

void Path::quadTo(Vec2 c, Vec2 to) {
    const Vec2 from = current();
    const int n = segmentsFor(distance(from, c) + distance(c, to));
    for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n;
        const double u = 1 - t;
        lineTo({u * u * from.x + 2 * u * t * c.x + t * t * to.x, u * u * from.y + 2 * u * t * c.y + t * t * to.y});
    }
}

void Path::cubicTo(Vec2 c1, Vec2 c2, Vec2 to) {
    const Vec2 from = current();
    const int n = segmentsFor(distance(from, c1) + distance(c1, c2) + distance(c2, to));
    for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n;
        const double u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        lineTo({a * from.x + b * c1.x + c * c2.x + d * to.x, a * from.y + b * c1.y + c * c2.y + d * to.y});
    }
}

void Path::close() {
    // Contours are always treated as closed; drop a repeated first point.
    auto& c = contours_.back();
    if (c.size() > 1 && c.front().x == c.back().x && c.front().y == c.back().y) c.pop_back();
}

void Path::append(const Path& other) {
    contours_.insert(contours_.end(), other.contours_.begin(), other.contours_.end());
}

Path Path::transformed(const Affine& t) const {
    Path out = *this;
    for (auto& contour : out.contours_)
        for (auto& p : contour) p = t.apply(p);
    return out;
}

Bounds Path::bounds() const {
    Bounds b{1e30, 1e30, -1e30, -1e30};
    for (const auto& contour : contours_)
        for (const auto& p : contour) {
            b.left = std::min(b.left, p.x);
            b.right = std::max(b.right, p.x);
            b.top = std::min(b.top, p.y);
            b.bottom = std::max(b.bottom, p.y);
        }
    return b;
}

namespace {

constexpr int kSubRows = 16;

struct Crossing {
    double x;
    int winding;
};

// Adds weight times the part of each pixel of a row that lies in [a, b).
void addSpan(float* row, int width, double a, double b, float weight) {
    a = std::max(a, 0.0);
    b = std::min(b, double(width));
    if (b <= a) return;
    const int ia = int(a);
    const int ib = int(b);
    if (ia == ib) {
        row[ia] += float(b - a) * weight;
        return;
    }
    row[ia] += float(ia + 1 - a) * weight;
    for (int i = ia + 1; i < ib; ++i) row[i] += weight;
    if (ib < width) row[ib] += float(b - ib) * weight;
}

}  // namespace

Mask fill(const Path& path, int width, int height) {
    Mask mask(width, height);
    const int rows = height * kSubRows;
    std::vector<std::vector<Crossing>> crossings(static_cast<size_t>(rows));
    for (const auto& contour : path.contours()) {
        const size_t n = contour.size();
        for (size_t i = 0; i < n; ++i) {
            const Vec2 p = contour[i];
            const Vec2 q = contour[(i + 1) % n];
            if (p.y == q.y) continue;
            const int winding = q.y > p.y ? 1 : -1;
            const double y0 = std::min(p.y, q.y) * kSubRows;
            const double y1 = std::max(p.y, q.y) * kSubRows;
            // Sample row s lies at (s + 0.5) / kSubRows; take those within [y0, y1).
            const int first = std::max(0, int(std::ceil(y0 - 0.5)));
            const int last = std::min(rows - 1, int(std::ceil(y1 - 0.5)) - 1);
            const double slope = (q.x - p.x) / (q.y - p.y);
            for (int s = first; s <= last; ++s) {
                const double y = (s + 0.5) / kSubRows;
                crossings[size_t(s)].push_back({p.x + (y - p.y) * slope, winding});
            }
        }
    }
    const float weight = 1.0f / kSubRows;
    for (int s = 0; s < rows; ++s) {
        auto& row = crossings[size_t(s)];
        if (row.empty()) continue;
        std::sort(row.begin(), row.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        float* out = &mask.cover[size_t(s / kSubRows) * width];
        int winding = 0;
        double start = 0;
        for (const auto& c : row) {
            const int before = winding;
            winding += c.winding;
            if (before == 0 && winding != 0) start = c.x;
            if (before != 0 && winding == 0) addSpan(out, width, start, c.x, weight);
        }
    }
    for (auto& v : mask.cover) v = std::min(v, 1.0f);
    return mask;
}

Path ellipse(Vec2 centre, double rx, double ry, int segments) {
    Path p;
    for (int i = 0; i < segments; ++i) {
        const double a = 2 * kPi * i / segments;
        const Vec2 v{centre.x + rx * detCos(a), centre.y + ry * detSin(a)};
        if (i == 0)
            p.moveTo(v);
        else
            p.lineTo(v);
    }
    return p;
}

Path rectangle(double left, double top, double right, double bottom) {
    Path p;
    p.moveTo({left, top});
    p.lineTo({right, top});
    p.lineTo({right, bottom});
    p.lineTo({left, bottom});
    return p;
}

}  // namespace assets
