#include "runtime/OptionValues.h"

#include <cstdlib>

namespace cli {

bool parseInteger(const std::string& text, int32_t low, int32_t high, int32_t& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || parsed < low || parsed > high) return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

bool parseSize(const std::string& text, int32_t maxSide, int32_t& width, int32_t& height) {
    const auto x = text.find('x');
    return x != std::string::npos && parseInteger(text.substr(0, x), 1, maxSide, width) &&
           parseInteger(text.substr(x + 1), 1, maxSide, height);
}

}  // namespace cli
