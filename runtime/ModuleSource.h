#pragma once
// A tracker module (XM, IT, S3M, MOD, MO3, ...) decoded by libopenmpt. It plays once: after the
// song's end it renders nothing until it is sought back.
#include <cstddef>
#include <memory>

#include "runtime/AudioSource.h"

struct openmpt_module;

namespace audio {

class ModuleSource final : public AudioSource {
public:
    // The module in these bytes, rendered at sampleRate; none when libopenmpt cannot read them.
    // The bytes are not needed once this returns.
    static std::unique_ptr<ModuleSource> decode(const void* data, size_t size, int sampleRate);
    ~ModuleSource() override;
    ModuleSource(const ModuleSource&) = delete;
    ModuleSource& operator=(const ModuleSource&) = delete;

    int render(int16_t* frames, int frameCount) override;
    void seek(int32_t ms) override;

private:
    ModuleSource(openmpt_module* module, int sampleRate);

    openmpt_module* module_;
    int sampleRate_;
};

}  // namespace audio
