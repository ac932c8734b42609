#include "Noise.h"

#include <cmath>

namespace assets {

uint32_t hash32(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

uint32_t hash2(int x, int y, uint32_t seed) {
    return hash32(uint32_t(x) * 0x9E3779B1U ^ hash32(uint32_t(y) + seed * 0x85EBCA77U));
}

namespace {

// Sixteen unit gradient directions, written out so that no trigonometry is needed.
constexpr double kGradients[16][2] = {
    {1, 0},        {0.92388, 0.38268},   {0.70711, 0.70711},   {0.38268, 0.92388},
    {0, 1},        {-0.38268, 0.92388},  {-0.70711, 0.70711},  {-0.92388, 0.38268},
    {-1, 0},       {-0.92388, -0.38268}, {-0.70711, -0.70711}, {-0.38268, -0.92388},
    {0, -1},       {0.38268, -0.92388},  {0.70711, -0.70711},  {0.92388, -0.38268},
};

double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

int wrap(int i, int period) { return ((i % period) + period) % period; }

double corner(int ix, int iy, double fx, double fy, int periodX, int periodY, uint32_t seed) {
    const double* g = kGradients[hash2(wrap(ix, periodX), wrap(iy, periodY), seed) & 15];
    return g[0] * fx + g[1] * fy;
}

}  // namespace

double gradientNoise(double x, double y, int periodX, int periodY, uint32_t seed) {
    const double flx = std::floor(x);
    const double fly = std::floor(y);
    const int ix = int(flx);
    const int iy = int(fly);
    const double fx = x - flx;
    const double fy = y - fly;
    const double u = fade(fx);
    const double v = fade(fy);
    const double a = corner(ix, iy, fx, fy, periodX, periodY, seed);
    const double b = corner(ix + 1, iy, fx - 1, fy, periodX, periodY, seed);
    const double c = corner(ix, iy + 1, fx, fy - 1, periodX, periodY, seed);
    const double d = corner(ix + 1, iy + 1, fx - 1, fy - 1, periodX, periodY, seed);
    const double top = a + (b - a) * u;
    const double bottom = c + (d - c) * u;
    return (top + (bottom - top) * v) * 1.4142;
}

double fractalNoise(double u, double v, int cellsX, int cellsY, int octaves, uint32_t seed) {
    double sum = 0;
    double amplitude = 1;
    double total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * gradientNoise(u * cellsX, v * cellsY, cellsX, cellsY, seed + uint32_t(o) * 101U);
        total += amplitude;
        amplitude *= 0.5;
        cellsX *= 2;
        cellsY *= 2;
    }
    return sum / total;
}

}  // namespace assets
