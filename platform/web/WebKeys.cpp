#include "platform/web/WebKeys.h"

#include <cstdlib>
#include <cstring>

#include "platform/WindowMessages.h"

namespace web {

namespace {

struct NamedKey {
    const char* code;
    int virtualKey;
};

// Both keys of a pair (left and right, main and keypad) give the one code Windows has for them.
constexpr NamedKey namedKeys[] = {
    {"Escape", platform::VK_ESCAPE},     {"Space", platform::VK_SPACE},
    {"Enter", platform::VK_RETURN},      {"NumpadEnter", platform::VK_RETURN},
    {"Backspace", platform::VK_BACK},    {"Tab", platform::VK_TAB},
    {"ArrowLeft", platform::VK_LEFT},    {"ArrowUp", platform::VK_UP},
    {"ArrowRight", platform::VK_RIGHT},  {"ArrowDown", platform::VK_DOWN},
    {"ShiftLeft", platform::VK_SHIFT},   {"ShiftRight", platform::VK_SHIFT},
    {"ControlLeft", platform::VK_CONTROL}, {"ControlRight", platform::VK_CONTROL},
    {"AltLeft", platform::VK_MENU},      {"AltRight", platform::VK_MENU},
};

bool startsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

}  // namespace

int virtualKeyOf(const char* code) {
    if (code == nullptr) return 0;
    // "KeyA".."KeyZ" and "Digit0".."Digit9": Windows' codes are the upper-case letter and the digit.
    if (startsWith(code, "Key") && code[3] >= 'A' && code[3] <= 'Z' && code[4] == '\0') return code[3];
    if (startsWith(code, "Digit") && code[5] >= '0' && code[5] <= '9' && code[6] == '\0') return code[5];
    if (code[0] == 'F' && code[1] >= '1' && code[1] <= '9') {
        char* end = nullptr;
        const long n = std::strtol(code + 1, &end, 10);
        if (*end == '\0' && n >= 1 && n <= 12) return platform::VK_F1 + static_cast<int>(n) - 1;
        return 0;
    }
    for (const NamedKey& key : namedKeys)
        if (std::strcmp(code, key.code) == 0) return key.virtualKey;
    return 0;
}

}  // namespace web
