#pragma once
// Compares rendered frames with reference pictures in tests/golden. A frame matches when at most a
// small share of its pixels differ by more than a per-channel tolerance (llvmpipe may round a
// little differently from build to build). On a mismatch the actual frame, the reference and a
// difference picture are written next to the test binary for a person to look at.
// With TARVO_UPDATE_GOLDEN=1 in the environment the frames are written as the new references.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/FrameDifference.h"

// `rgba` is width x height pixels, bottom row first, as GL reads them back.
::testing::AssertionResult matchesGolden(const std::string& name, int width, int height,
                                         const std::vector<uint8_t>& rgba, GoldenTolerance tolerance = {});
