#pragma once
// The soundtrack player the runner owns: opens the audio output, loads a tracker module or a
// sampled stream from the program's resources or from a file, and starts and stops it.
//
// No result of the audio library is looked at: without a sound device or with a bad file the demo
// stays silent and goes on unchanged.
#include <cstdint>

#include "runtime/AudioLibrary.h"

class MusicPlayer {
public:
    static constexpr int32_t moduleKind = 1;  // any other kind loads a sampled stream

    MusicPlayer() = default;
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    void openOutput();
    // Stops and frees what an earlier load created, loads the resource (or file) as `kind` and
    // starts the output. Returns the new handle, 0 when the library could not load it.
    uint32_t load(int32_t resourceId, int32_t kind);
    uint32_t load(const char* fileName, int32_t kind);
    // Plays what the last load loaded, from fromMs into it (its beginning by default).
    void play(int32_t fromMs = 0);
    // Silences the output.
    void stop();
    // How long after play the soundtrack's first sample is heard, in milliseconds.
    int32_t outputLatencyMs() const { return library_.outputLatencyMs(); }

    int32_t rate = 44100;      // output sample rate in Hz
    int32_t kind = 0;          // what the last load loaded: moduleKind or a stream
    uint32_t moduleHandle = 0; // 0 = none
    uint32_t streamHandle = 0; // 0 = none

private:
    // Records the kind, then stops and frees what the previous load created.
    void beginLoad(int32_t newKind);
    // Stores the new handle under the kind and starts the output.
    uint32_t finishLoad(uint32_t handle);

    audio::AudioLibrary library_;
};
