#include "tests/support/GLCallLog.h"

#include <GL/gl.h>

#include <cstdio>

namespace {

bool recording = false;
std::vector<std::string> recorded;

void record(const char* function, unsigned value) {
    if (!recording) return;
    char line[64];
    std::snprintf(line, sizeof line, "%s 0x%04X", function, value);
    recorded.emplace_back(line);
}

}  // namespace

namespace gllog {

void start() {
    recorded.clear();
    recording = true;
}

void stop() { recording = false; }

const std::vector<std::string>& calls() { return recorded; }

}  // namespace gllog

extern "C" {
void __real_glEnable(GLenum capability);
void __real_glDisable(GLenum capability);
void __real_glBindTexture(GLenum target, GLuint texture);

void __wrap_glEnable(GLenum capability) {
    record("glEnable", capability);
    __real_glEnable(capability);
}

void __wrap_glDisable(GLenum capability) {
    record("glDisable", capability);
    __real_glDisable(capability);
}

void __wrap_glBindTexture(GLenum target, GLuint texture) {
    record("glBindTexture", texture);
    __real_glBindTexture(target, texture);
}
}
