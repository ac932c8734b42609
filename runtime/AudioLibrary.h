#pragma once
// The audio library under the music player: one output device, modules and sampled streams
// addressed by handles, and one source playing at a time.
//
// Handles are nonzero and never reused; 0 means failure. Loading works without an output device
// (the sound is decoded at the rate asked for), so a demo without sound goes through the same
// steps and stays silent. The platform's output pulls sound through render(), on a thread of the
// backend's choosing; every other call is made from the demo's thread.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

#include "runtime/AudioSource.h"

namespace audio {

class AudioLibrary {
public:
    AudioLibrary() = default;
    ~AudioLibrary();
    AudioLibrary(const AudioLibrary&) = delete;
    AudioLibrary& operator=(const AudioLibrary&) = delete;

    // Opens the output paused. Without a device it says so in one line on stderr and returns false.
    bool openOutput(int sampleRate);
    // Starts or resumes the output; nothing without a device.
    void start();
    // Stops the output and whatever plays (which keeps its position): silent until start and play.
    void stop();
    // How long after a play its first sample is heard, rounded to whole milliseconds; 0 without a
    // device.
    int32_t outputLatencyMs() const;

    uint32_t loadModule(const void* data, size_t size);
    uint32_t loadModuleFile(const char* fileName);
    uint32_t loadStream(const void* data, size_t size);
    uint32_t loadStreamFile(const char* fileName);

    // A module plays from fromMs (its beginning by default); a stream from fromMs when flush is set,
    // otherwise from where it was. False for a handle of the other kind or none.
    bool playModule(uint32_t handle, int32_t fromMs = 0);
    bool playStream(uint32_t handle, bool flush, int32_t fromMs = 0);

    // Frees what the handle names, stopping it if it plays; false for a handle of the other kind.
    bool freeModule(uint32_t handle);
    bool freeStream(uint32_t handle);

private:
    using Sources = std::map<uint32_t, std::unique_ptr<AudioSource>>;

    uint32_t add(Sources& sources, std::unique_ptr<AudioSource> source);
    bool play(Sources& sources, uint32_t handle, bool flush, int32_t fromMs);
    bool release(Sources& sources, uint32_t handle);
    static void render(void* self, int16_t* frames, int frameCount);

    int sampleRate_ = 44100;
    bool outputOpen_ = false;
    uint32_t lastHandle_ = 0;
    Sources modules_;
    Sources streams_;
    std::mutex mutex_;  // guards playing_ (and the sources' positions) against render()
    AudioSource* playing_ = nullptr;
};

}  // namespace audio
