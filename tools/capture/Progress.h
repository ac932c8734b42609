#pragma once
// How far a capture has come, for a person: on a terminal one line that redraws itself with a bar,
// the percentage, frames per second, the speed against real time and the time left; elsewhere (a
// log) one line every 10 s of programme.
#include <chrono>
#include <cstdint>
#include <cstdio>

class Progress {
public:
    // `endMs`: the timeline time the run ends at; `terminal`: whether `out` shows to a person.
    Progress(std::FILE* out, int32_t endMs, bool terminal);

    // After each frame: the frames done so far and the timeline time reached.
    void update(int64_t frames, int32_t nowMs);
    // Ends the redrawn line.
    void finish();

    double elapsedSeconds() const;

private:
    void print(int64_t frames, int32_t nowMs);

    std::FILE* out;
    int32_t endMs;
    bool terminal;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastDrawn = started;
    int32_t nextLogMs = 10000;
    int64_t lastFrames = 0;
    int32_t lastMs = 0;
    bool drawn = false;
};
