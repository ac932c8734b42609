#pragma once
// Reads GL state and the frame back for the checks of the graphics tests.
#include <cstdint>
#include <vector>

#include "platform/GL.h"

namespace probe {

inline GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

// The first `count` floats of a state value, such as the 16 of a matrix or the 4 of a colour.
inline std::vector<float> floats(GLenum name, size_t count = 16) {
    std::vector<float> values(16, 0.0f);
    glGetFloatv(name, values.data());
    values.resize(count);
    return values;
}

// Whether every depth value of the bound framebuffer is `depth`.
inline bool depthIs(float depth, int width = 640, int height = 480) {
    std::vector<float> values(static_cast<size_t>(width) * height);
    glReadPixels(0, 0, width, height, GL_DEPTH_COMPONENT, GL_FLOAT, values.data());
    for (float value : values)
        if (value != depth) return false;
    return true;
}

// RGBA pixels, bottom row first, as GL reads them back.
struct Pixels {
    std::vector<uint8_t> rgba;
    int width = 640;

    const uint8_t* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
    bool litAt(int x, int y) const { return (at(x, y)[0] | at(x, y)[1] | at(x, y)[2]) != 0; }
    // Whether every byte, alpha included, is `value`.
    bool all(uint8_t value) const {
        for (uint8_t byte : rgba)
            if (byte != value) return false;
        return true;
    }
};

}  // namespace probe
