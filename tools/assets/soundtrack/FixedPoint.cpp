#include "FixedPoint.h"

#include <array>

namespace soundtrack {
namespace {

constexpr int kTableBits = 16;
constexpr int64_t kHalfPiQ30 = 1686629713;  // pi / 2 * 2^30
constexpr int64_t kLn2Q30 = 744261118;      // ln 2 * 2^30

// Taylor series of sin on [0, pi/2]; the error at pi/2 is below 1e-9.
int64_t sineOfQuarterTurn(int64_t fractionQ30) {
    const int64_t x = mulQ30(fractionQ30, kHalfPiQ30);
    const int64_t x2 = mulQ30(x, x);
    int64_t term = x;
    int64_t sum = x;
    for (int n = 1; n <= 7; ++n) {
        term = -mulQ30(term, x2) / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

// One turn of sine in 2^16 steps plus a guard entry, for interpolated look-ups.
const std::array<int32_t, (1 << kTableBits) + 1>& sineTable() {
    static const auto table = [] {
        std::array<int32_t, (1 << kTableBits) + 1> t{};
        constexpr int quarter = 1 << (kTableBits - 2);
        for (int i = 0; i <= quarter; ++i) {
            const auto v = static_cast<int32_t>(sineOfQuarterTurn(int64_t{i} << (30 - (kTableBits - 2))));
            t[i] = v;                  // rising quarter
            t[2 * quarter - i] = v;    // falling quarter
            t[2 * quarter + i] = -v;
            t[4 * quarter - i] = -v;
        }
        return t;
    }();
    return table;
}

}  // namespace

int32_t sineQ30(uint32_t phase) {
    const auto& table = sineTable();
    const uint32_t index = phase >> (32 - kTableBits);
    const int64_t fraction = phase & ((1u << (32 - kTableBits)) - 1);  // Q16
    const int64_t a = table[index];
    const int64_t b = table[index + 1];
    return static_cast<int32_t>(a + (((b - a) * fraction) >> (32 - kTableBits)));
}

int64_t exp2NegQ30(int64_t numerator, int64_t denominator) {
    const int64_t whole = numerator / denominator;
    if (whole >= 31) return 0;
    const int64_t fractionQ30 = ((numerator % denominator) << 30) / denominator;
    // e^-x with x = fraction * ln 2 in [0, ln 2): the series converges fast.
    const int64_t x = mulQ30(fractionQ30, kLn2Q30);
    int64_t term = kOneQ30;
    int64_t sum = kOneQ30;
    for (int n = 1; n <= 12; ++n) {
        term = -mulQ30(term, x) / n;
        sum += term;
    }
    return sum >> whole;
}

int64_t onePoleCoefficientQ16(int64_t cutoffHz, int sampleRate) {
    // 1 - e^(-2 pi fc / fs), close to 2 pi fc / fs for low corners; exact enough for shaping noise.
    const int64_t w = (cutoffHz * 411775) / sampleRate;  // 2 pi * 65536 = 411775
    const int64_t c = w - (w * w) / (2 * 65536) + (w * w / 65536) * w / (6 * 65536);
    return c < 1 ? 1 : (c > 65536 ? 65536 : c);
}

int64_t softClipQ30(int64_t x) {
    if (x >= kOneQ30) return kOneQ30;
    if (x <= -kOneQ30) return -kOneQ30;
    const int64_t x3 = mulQ30(mulQ30(x, x), x);
    return (3 * x - x3) / 2;
}

}  // namespace soundtrack
