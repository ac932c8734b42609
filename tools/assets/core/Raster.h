#pragma once
// Vector shapes and their rasterisation into coverage masks. A path is a set of closed polygons
// filled with the nonzero winding rule; curves are flattened into short segments when added.
// Coordinates are pixels, x to the right and y down, with pixel (i, j) covering [i, i+1) x [j, j+1).
#include <vector>

#include "Picture.h"

namespace assets {

struct Vec2 {
    double x, y;
};

// x' = xx * x + xy * y + dx, y' = yx * x + yy * y + dy
struct Affine {
    double xx = 1, xy = 0, yx = 0, yy = 1, dx = 0, dy = 0;

    Vec2 apply(Vec2 p) const { return {xx * p.x + xy * p.y + dx, yx * p.x + yy * p.y + dy}; }
    static Affine translate(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static Affine scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static Affine rotate(double radians);
    // Leans the shape to the right by `lean` pixels per pixel of height (y grows downwards).
    static Affine shear(double lean) { return {1, -lean, 0, 1, 0, 0}; }
    // The transform that applies `first`, then this one.
    Affine after(const Affine& first) const;
};

struct Bounds {
    double left, top, right, bottom;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

class Path {
public:
    void moveTo(Vec2 p);
    void lineTo(Vec2 p);
    void quadTo(Vec2 control, Vec2 to);
    void cubicTo(Vec2 c1, Vec2 c2, Vec2 to);
    void close();
    // Appends every contour of another path.
    void append(const Path& other);

    Path transformed(const Affine& t) const;
    Bounds bounds() const;
    bool empty() const { return contours_.empty(); }
    const std::vector<std::vector<Vec2>>& contours() const { return contours_; }

private:
    Vec2 current() const { return contours_.back().back(); }
    std::vector<std::vector<Vec2>> contours_;
};

// The coverage of the path on a width x height mask (16 sample rows per pixel, exact along x).
Mask fill(const Path& path, int width, int height);

// Basic shapes, all with the same winding so that they unite when appended.
Path ellipse(Vec2 centre, double rx, double ry, int segments = 96);
Path rectangle(double left, double top, double right, double bottom);

}  // namespace assets
