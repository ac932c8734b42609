#include "runtime/ModuleSource.h"

#include <libopenmpt/libopenmpt.h>

namespace audio {

std::unique_ptr<ModuleSource> ModuleSource::decode(const void* data, size_t size, int sampleRate) {
    if (!data || size == 0) return nullptr;
    // "stop" makes the song end for good instead of fading out or looping back to its start. The
    // default dither adds noise from a randomly seeded generator, so no two decodes of the same
    // module would give the same samples: without it every recording of the demo sounds the same.
    const openmpt_module_initial_ctl controls[] = {{"play.at_end", "stop"}, {"dither", "0"}, {nullptr, nullptr}};
    openmpt_module* module = openmpt_module_create_from_memory2(
        data, size, openmpt_log_func_silent, nullptr, openmpt_error_func_ignore, nullptr, nullptr,
        nullptr, controls);
    if (!module) return nullptr;
    return std::unique_ptr<ModuleSource>(new ModuleSource(module, sampleRate));
}

ModuleSource::ModuleSource(openmpt_module* module, int sampleRate)
    : module_(module), sampleRate_(sampleRate) {}

ModuleSource::~ModuleSource() { openmpt_module_destroy(module_); }

int ModuleSource::render(int16_t* frames, int frameCount) {
    return static_cast<int>(openmpt_module_read_interleaved_stereo(
        module_, sampleRate_, static_cast<size_t>(frameCount), frames));
}

void ModuleSource::seek(int32_t ms) { openmpt_module_set_position_seconds(module_, ms / 1000.0); }

}  // namespace audio
