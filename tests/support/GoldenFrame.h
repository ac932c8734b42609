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

// The engine drawn through the fixed-function layer against the references real OpenGL drew on
// the same machine. The same channel tolerance; at most 0.5 % of the pixels may differ more: the
// tunnel's farthest lit faces, cut by the far plane, come out up to 31 levels apart over 0.3 % of
// the frame at 42 and 50 s (every other frame of the programme is within the default tolerance).
constexpr GoldenTolerance fixedFunctionLayerTolerance{12, 0.005};

// `rgba` is width x height pixels, bottom row first, as GL reads them back.
::testing::AssertionResult matchesGolden(const std::string& name, int width, int height,
                                         const std::vector<uint8_t>& rgba, GoldenTolerance tolerance = {});
