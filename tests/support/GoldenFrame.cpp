#include "tests/support/GoldenFrame.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "tools/png/PngFile.h"

namespace {

std::string referencePath(const std::string& name) { return std::string(TARVO_GOLDEN_DIR) + "/" + name + ".png"; }

std::string failurePath(const std::string& name, const char* kind) {
    std::filesystem::create_directories("golden-failures");
    return "golden-failures/" + name + "-" + kind + ".png";
}

// The frame as the reference stores it: RGB (alpha is not compared), top row first.
std::vector<uint8_t> topRowFirstRgb(int width, int height, const std::vector<uint8_t>& bottomUpRgba) {
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            std::copy_n(bottomUpRgba.begin() + (static_cast<std::ptrdiff_t>(height - 1 - y) * width + x) * 4, 3,
                        rgb.begin() + (static_cast<std::ptrdiff_t>(y) * width + x) * 3);
    return rgb;
}

}  // namespace

::testing::AssertionResult matchesGolden(const std::string& name, int width, int height,
                                         const std::vector<uint8_t>& rgba, GoldenTolerance tolerance) {
    const std::vector<uint8_t> actual = topRowFirstRgb(width, height, rgba);
    const char* update = std::getenv("TARVO_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        if (!png::write(referencePath(name), width, height, 3, actual))
            return ::testing::AssertionFailure() << "cannot write " << referencePath(name);
        return ::testing::AssertionSuccess() << "wrote " << referencePath(name);
    }
    int referenceWidth = 0, referenceHeight = 0;
    std::vector<uint8_t> reference;
    if (!png::read(referencePath(name), referenceWidth, referenceHeight, reference))
        return ::testing::AssertionFailure() << "no reference " << referencePath(name)
                                             << " (make golden writes the references)";
    if (referenceWidth != width || referenceHeight != height)
        return ::testing::AssertionFailure() << name << ": reference is " << referenceWidth << "x" << referenceHeight;

    const FrameDifference difference =
        compareFrames(actual.data(), 3, reference.data(), 4, static_cast<size_t>(width) * height, tolerance);
    if (difference.matches()) return ::testing::AssertionSuccess();
    png::write(failurePath(name, "actual"), width, height, 3, actual);
    png::write(failurePath(name, "reference"), width, height, 4, reference);
    png::write(failurePath(name, "diff"), width, height, 3, difference.diff);
    return ::testing::AssertionFailure() << name << ": " << difference.differing << " pixels differ by more than "
                                         << tolerance.channel << " (at most " << difference.allowed
                                         << " may; worst " << difference.worst << "); see golden-failures/" << name
                                         << "-*.png";
}
