#include "XmRendering.h"

#include <libopenmpt/libopenmpt.hpp>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace soundtrack_test {

namespace {
const std::map<std::string, std::string> kStopAtEnd = {{"play.at_end", "stop"}};
}

double Rendering::loudnessDb(double from, double to) const {
    const auto first = static_cast<size_t>(from * kBlocksPerSecond);
    const auto last = std::min(blockPower.size(), static_cast<size_t>(to * kBlocksPerSecond));
    double sum = 0;
    for (size_t i = first; i < last; ++i) sum += blockPower[i];
    return 10 * std::log10(sum / static_cast<double>(last - first) + 1e-20);
}

Rendering render(const std::vector<uint8_t>& bytes) {
    Rendering r;
    std::ostringstream log;
    openmpt::module module(bytes, log, kStopAtEnd);
    r.log = log.str();
    constexpr size_t kBlock = kRate / kBlocksPerSecond;
    std::vector<float> stereo(kBlock * 2);
    for (;;) {
        const size_t n = module.read_interleaved_stereo(kRate, kBlock, stereo.data());
        if (n == 0) break;
        double sum = 0;
        for (size_t i = 0; i < n * 2; ++i) {
            sum += double{stereo[i]} * stereo[i];
            r.peak = std::max(r.peak, std::fabs(stereo[i]));
        }
        r.blockPower.push_back(sum / static_cast<double>(n * 2));
        r.frames += n;
    }
    return r;
}

double powerAt(const std::vector<float>& signal, double hz) {
    const double pi = std::acos(-1.0);
    const double coefficient = 2 * std::cos(2 * pi * hz / kRate);
    const auto n = static_cast<double>(signal.size());
    double s1 = 0, s2 = 0;
    for (size_t i = 0; i < signal.size(); ++i) {
        const double window = 0.5 - 0.5 * std::cos(2 * pi * static_cast<double>(i) / n);
        const double s0 = signal[i] * window + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - coefficient * s1 * s2;
}

double strongestFrequency(const std::vector<float>& signal, double low, double high) {
    const auto strongest = [&](double from, double to, double step) {
        double best = from, bestPower = -1;
        for (double f = from; f <= to; f += step) {
            const double p = powerAt(signal, f);
            if (p > bestPower) bestPower = p, best = f;
        }
        return best;
    };
    // The window makes every peak several hertz wide, so 1 Hz steps find it and 0.1 Hz steps
    // around that place it, at a tenth of the work of fine steps throughout.
    const double coarse = strongest(low, high, 1.0);
    return strongest(std::max(low, coarse - 1), std::min(high, coarse + 1), 0.1);
}

std::vector<float> renderLeft(const std::vector<uint8_t>& bytes, double seconds) {
    std::ostringstream log;
    openmpt::module module(bytes, log, kStopAtEnd);
    std::vector<float> left(static_cast<size_t>(seconds * kRate)), right(left.size());
    left.resize(module.read(kRate, left.size(), left.data(), right.data()));
    return left;
}

}  // namespace soundtrack_test
