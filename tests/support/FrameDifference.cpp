#include "tests/support/FrameDifference.h"

#include <algorithm>
#include <cstdlib>

FrameDifference compareFrames(const uint8_t* actual, int actualChannels, const uint8_t* reference,
                              int referenceChannels, size_t pixels, GoldenTolerance tolerance) {
    FrameDifference result;
    result.diff.assign(pixels * 3, 0);
    for (size_t pixel = 0; pixel < pixels; ++pixel) {
        int largest = 0;
        for (size_t c = 0; c < 3; ++c)
            largest = std::max(largest, std::abs(int(actual[pixel * actualChannels + c]) -
                                                 int(reference[pixel * referenceChannels + c])));
        result.worst = std::max(result.worst, largest);
        if (largest > tolerance.channel) ++result.differing;
        result.diff[pixel * 3] = static_cast<uint8_t>(largest > tolerance.channel ? 255 : largest * 4);
    }
    result.allowed = static_cast<size_t>(tolerance.differingPixelShare * static_cast<double>(pixels));
    return result;
}
