// web_frame_compare ACTUAL.png REFERENCE.png DIFF.png CHANNEL SHARE: compares a browser screenshot
// with the native frame of the same time by the golden frames' rule (CHANNEL: the largest
// difference of one channel that still matches; SHARE: the share of the pixels that may differ
// more). Prints the measure as one JSON line; writes DIFF.png when they do not match.
// Exit code: 0 they match, 1 they do not, 2 a picture could not be read or the sizes differ.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/support/FrameDifference.h"
#include "tools/png/PngFile.h"

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s ACTUAL.png REFERENCE.png DIFF.png CHANNEL SHARE\n", argv[0]);
        return 2;
    }
    int width = 0, height = 0, referenceWidth = 0, referenceHeight = 0;
    std::vector<uint8_t> actual, reference;
    if (!png::read(argv[1], width, height, actual) || !png::read(argv[2], referenceWidth, referenceHeight, reference)) {
        std::fprintf(stderr, "cannot read %s or %s\n", argv[1], argv[2]);
        return 2;
    }
    if (width != referenceWidth || height != referenceHeight) {
        std::fprintf(stderr, "%s is %dx%d, %s is %dx%d\n", argv[1], width, height, argv[2], referenceWidth,
                     referenceHeight);
        return 2;
    }
    const GoldenTolerance tolerance{std::atoi(argv[4]), std::atof(argv[5])};
    const size_t pixels = static_cast<size_t>(width) * height;
    const FrameDifference difference = compareFrames(actual.data(), 4, reference.data(), 4, pixels, tolerance);
    std::printf("{\"pixels\":%zu,\"differing\":%zu,\"allowed\":%zu,\"worst\":%d}\n", pixels, difference.differing,
                difference.allowed, difference.worst);
    if (difference.matches()) return 0;
    if (!png::write(argv[3], width, height, 3, difference.diff)) std::fprintf(stderr, "cannot write %s\n", argv[3]);
    return 1;
}
