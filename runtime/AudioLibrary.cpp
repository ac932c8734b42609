#include "runtime/AudioLibrary.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/Platform.h"
#include "runtime/ModuleSource.h"
#include "runtime/WavStream.h"

namespace audio {
namespace {

bool readFile(const char* fileName, std::vector<uint8_t>& bytes) {
    if (!fileName) return false;
    std::ifstream file(fileName, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

}  // namespace

AudioLibrary::~AudioLibrary() {
    // The output keeps a pointer to this library: make sure it never calls back again.
    if (outputOpen_) platform::stopAudioOutput();
}

bool AudioLibrary::openOutput(int sampleRate) {
    sampleRate_ = sampleRate;
    outputOpen_ = platform::openAudioOutput(sampleRate, &AudioLibrary::render, this);
    if (!outputOpen_) std::fputs("tarvo: no sound device, playing silently\n", stderr);
    return outputOpen_;
}

void AudioLibrary::start() {
    if (outputOpen_) platform::startAudioOutput();
}

void AudioLibrary::stop() {
    // Not under the lock: stopping waits for a render in progress, which takes the lock.
    if (outputOpen_) platform::stopAudioOutput();
    std::lock_guard<std::mutex> lock(mutex_);
    playing_ = nullptr;
}

int32_t AudioLibrary::outputLatencyMs() const {
    if (!outputOpen_) return 0;
    const int64_t frames = std::max(0, platform::audioOutputLatencyFrames());
    return static_cast<int32_t>((frames * 1000 + sampleRate_ / 2) / sampleRate_);
}

uint32_t AudioLibrary::loadModule(const void* data, size_t size) {
    return add(modules_, ModuleSource::decode(data, size, sampleRate_));
}

uint32_t AudioLibrary::loadModuleFile(const char* fileName) {
    std::vector<uint8_t> bytes;
    return readFile(fileName, bytes) ? loadModule(bytes.data(), bytes.size()) : 0;
}

uint32_t AudioLibrary::loadStream(const void* data, size_t size) {
    return add(streams_, WavStream::decode(static_cast<const uint8_t*>(data), size, sampleRate_));
}

uint32_t AudioLibrary::loadStreamFile(const char* fileName) {
    std::vector<uint8_t> bytes;
    return readFile(fileName, bytes) ? loadStream(bytes.data(), bytes.size()) : 0;
}

bool AudioLibrary::playModule(uint32_t handle, int32_t fromMs) { return play(modules_, handle, true, fromMs); }

bool AudioLibrary::playStream(uint32_t handle, bool flush, int32_t fromMs) {
    return play(streams_, handle, flush, fromMs);
}

bool AudioLibrary::freeModule(uint32_t handle) { return release(modules_, handle); }

bool AudioLibrary::freeStream(uint32_t handle) { return release(streams_, handle); }

uint32_t AudioLibrary::add(Sources& sources, std::unique_ptr<AudioSource> source) {
    if (!source) return 0;
    sources.emplace(++lastHandle_, std::move(source));
    return lastHandle_;
}

bool AudioLibrary::play(Sources& sources, uint32_t handle, bool flush, int32_t fromMs) {
    auto found = sources.find(handle);
    if (found == sources.end()) return false;
    std::lock_guard<std::mutex> lock(mutex_);
    if (flush) found->second->seek(fromMs);
    playing_ = found->second.get();
    return true;
}

bool AudioLibrary::release(Sources& sources, uint32_t handle) {
    auto found = sources.find(handle);
    if (found == sources.end()) return false;
    std::unique_ptr<AudioSource> source = std::move(found->second);
    sources.erase(found);
    std::lock_guard<std::mutex> lock(mutex_);
    if (playing_ == source.get()) playing_ = nullptr;
    return true;
}

void AudioLibrary::render(void* self, int16_t* frames, int frameCount) {
    auto& library = *static_cast<AudioLibrary*>(self);
    std::lock_guard<std::mutex> lock(library.mutex_);
    int written = 0;
    if (library.playing_) {
        written = library.playing_->render(frames, frameCount);
        if (written < frameCount) library.playing_ = nullptr;  // it has ended
    }
    std::fill(frames + 2 * written, frames + 2 * frameCount, int16_t{0});
}

}  // namespace audio
