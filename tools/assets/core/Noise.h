#pragma once
// Seeded, tileable gradient noise from integer hashing: the same values on every machine.
#include <cstdint>

namespace assets {

// A 32-bit integer hash with good avalanche (from the "lowbias32" family).
uint32_t hash32(uint32_t x);
uint32_t hash2(int x, int y, uint32_t seed);

// Gradient noise in about [-1, 1] at (x, y); the lattice repeats every periodX units along x and
// periodY units along y.
double gradientNoise(double x, double y, int periodX, int periodY, uint32_t seed);

// Sum of `octaves` noise layers, each of double frequency and half amplitude, normalised to about
// [-1, 1]. (u, v) in [0, 1) covers cellsX by cellsY lattice cells of the first layer, and the
// result repeats with period 1 in u and v, so a picture that maps its width and height to [0, 1)
// tiles seamlessly.
double fractalNoise(double u, double v, int cellsX, int cellsY, int octaves, uint32_t seed);

// A uniform value in [0, 1) from a hash.
inline double unitFromHash(uint32_t h) { return double(h >> 8) / double(1u << 24); }

}  // namespace assets
