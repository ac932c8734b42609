#pragma once
// Trigonometry built from + - * / only. The C library's sin and cos may round differently from
// one libm to the next, and a picture must come out byte for byte the same on every machine.
#include <cmath>

namespace assets {

constexpr double kPi = 3.14159265358979323846;

inline double detSin(double x) {
    // Reduce to [-pi, pi], fold into [-pi/2, pi/2], then a Taylor series (error below 1e-12).
    const double turns = std::floor(x / (2 * kPi) + 0.5);
    double r = x - turns * (2 * kPi);
    if (r > kPi / 2) r = kPi - r;
    if (r < -kPi / 2) r = -kPi - r;
    const double r2 = r * r;
    double term = r;
    double sum = r;
    for (int n = 1; n <= 9; ++n) {
        term = -term * r2 / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

inline double detCos(double x) { return detSin(x + kPi / 2); }

inline double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

inline double smoothstep(double edge0, double edge1, double x) {
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

inline double mix(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace assets
