#include "runtime/StatisticsOverlay.h"

namespace overlay {

namespace {

struct Colour {
    float r, g, b;
};
constexpr Colour white = {1, 1, 1};
constexpr Colour yellow = {1, 1, 0};
constexpr Colour green = {0, 1, 0};
constexpr int32_t lineHeight = 16;

// Every line of the overlay starts at the left edge.
template <typename... Args>
void queueAt(TextConsole& console, int32_t y, Colour colour, const char* format, Args... args) {
    console.queueLine(0, y, colour.r, colour.g, colour.b, format, args...);
}

// A fixed line is text, not a format: it goes through "%s", so no format is ever built from data.
void queueAt(TextConsole& console, int32_t y, Colour colour, const char* text) {
    console.queueLine(0, y, colour.r, colour.g, colour.b, "%s", text);
}

}  // namespace

void queueSceneRow(TextConsole& console, int32_t k, const Scene& scene, int32_t countMs) {
    const int32_t y = 2 * lineHeight + lineHeight * k;
    queueAt(console, y, white, " %02d  %-20s %7d %7d %7d ", k, scene.name, scene.startMs, scene.endMs, countMs);
    queueAt(console, y, yellow, " %2s |%-20s|%7s|%7s|%7s|", "", "", "", "", "");
    queueAt(console, y, green, "#%2s: %-20s %7s %7s %7s ", "", "", "", "", "");
}

void queueTableFrame(TextConsole& console, int32_t rows) {
    queueAt(console, 2 * lineHeight, yellow, "   --    -----------------     ---   -----     ---");
    queueAt(console, 2 * lineHeight, green, "num  name                 start   end     count");
    queueAt(console, lineHeight * (rows + 3), yellow, "--------------------------------------------------");
}

void queueClock(TextConsole& console, int32_t t, int32_t totalMs, double fps) {
    queueAt(console, 0, yellow, "-    ----   -----        -----   -----------------");
    queueAt(console, 0, green, " time    ms.     ms.total     fps               ");
    queueAt(console, lineHeight, white, "%02d:%02d:%02d %7d %12d %4.02f", t / 1000 / 60 / 60, (t / 1000 / 60) % 60,
            (t / 1000) % 60, t % 1000, totalMs, fps);
    queueAt(console, lineHeight, yellow, "%2s %2s %2s|%7s|%12s|%5s", "", "", "", "", "", "");
}

}  // namespace overlay
