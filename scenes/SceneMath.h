#pragma once
// Small helpers the scenes share.
#include <cmath>

struct Vec3 {
    float x = 0;
    float y = 0;
    float z = 0;
};

// Sine and cosine of an angle in degrees, through 1/180 and pi rounded to single precision.
inline double sinDeg(float degrees) { return std::sin(degrees * 0.005555555555555556 * 3.1415927410125732); }
inline double cosDeg(float degrees) { return std::cos(degrees * 0.005555555555555556 * 3.1415927410125732); }
