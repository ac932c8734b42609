#pragma once
// The song: which notes play when. It follows the demo's programme, changing where the pictures
// change, on a grid of sixteen rows a bar at 120 beats a minute.
#include <vector>

#include "Score.h"

namespace soundtrack {

// A beat lasts 25 ticks of 20 ms (125 BPM in tracker terms), its four rows 6, 6, 7 and 6 ticks,
// every note within 10 ms of an even sixteenth. A tick is then a whole number of frames at 44.1
// and 48 kHz, so the music never drifts from the pictures' clock, and every scene change (a
// multiple of half a second) falls on a beat.
constexpr int kTrackerBpm = 125;
constexpr int kTicksPerRow = 6;
constexpr int kLongRowOfBeat = 2;  // takes one tick more
constexpr int kMsPerBeat = 500;
constexpr int rowAtMs(int ms) { return ms * kRowsPerBeat / kMsPerBeat; }

// Where the sections start: the tunnel opens, the logo fan joins, the sprite cube lights up, the
// balls and credits take over, the greetings close, the end.
constexpr int kIntroRow = 0;
constexpr int kTunnelRow = rowAtMs(13000);
constexpr int kCubeRow = rowAtMs(39500);
constexpr int kCreditsRow = rowAtMs(65000);
constexpr int kGreetsRow = rowAtMs(134000);
constexpr int kEndRow = rowAtMs(155000);
static_assert(kCubeRow * kMsPerBeat == 39500 * kRowsPerBeat, "every scene change falls on a beat");

Score arrangeSong();

}  // namespace soundtrack
