#pragma once
// The values that the command lines of tarvo and tarvo-capture take, read the same way by both.
#include <cstdint>
#include <string>

namespace cli {

// A decimal integer in [low, high], nothing else in the text.
bool parseInteger(const std::string& text, int32_t low, int32_t high, int32_t& value);
// WIDTHxHEIGHT, each side in [1, maxSide].
bool parseSize(const std::string& text, int32_t maxSide, int32_t& width, int32_t& height);

}  // namespace cli
