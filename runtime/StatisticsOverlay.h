#pragma once
// The lines of the statistics overlay (F12), queued on the console every rendered frame; the
// console draws them only while its debug flag is set. Values come out white, the bars yellow,
// the hash signs and colons green: the three strings of a row share one position.
#include <cstdint>

#include "platform/TextConsole.h"
#include "runtime/Scene.h"

namespace overlay {

// Row k (1, 2, ... in render order) for a scene that rendered; `countMs` is its local time.
void queueSceneRow(TextConsole& console, int32_t k, const Scene& scene, int32_t countMs);
// The table's header, and the dash line under the last of `rows` rows.
void queueTableFrame(TextConsole& console, int32_t rows);
// The clock line for timeline time `t` with the millisecond total `totalMs` and the frame rate.
void queueClock(TextConsole& console, int32_t t, int32_t totalMs, double fps);

}  // namespace overlay
