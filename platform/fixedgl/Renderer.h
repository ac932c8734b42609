#pragma once
// Draws assembled primitives with GLES 3 shaders that do what OpenGL 1.1's fixed pipeline does
// for the state the layer keeps: transform, per-vertex lighting, texturing in MODULATE, alpha test.
#include <array>
#include <vector>

#include "platform/fixedgl/FixedGLApi.h"

namespace fixedgl {

struct State;

// One vertex as glEnd hands it over: object coordinates and the attributes current for it.
struct Vertex {
    std::array<float, 4> position;
    std::array<float, 3> normal;
    std::array<float, 4> color;
    std::array<float, 2> texCoord;
    // Moves the vertex in normalised device coordinates after projection: wide lines' corners.
    std::array<float, 2> offset;
};

class Renderer {
public:
    // Draws `vertices` as `mode` (GL_TRIANGLES, GL_LINES, GL_LINE_STRIP, GL_LINE_LOOP, GL_POINTS,
    // GL_TRIANGLE_STRIP or GL_TRIANGLE_FAN) with the state's matrices, lights and capabilities.
    void draw(const State& state, GLenum mode, const std::vector<Vertex>& vertices);

private:
    bool prepare();

    GLuint program_ = 0;
    GLuint vertexArray_ = 0;
    GLuint vertexBuffer_ = 0;
    GLuint uniformBuffer_ = 0;
    bool failed_ = false;  // the program did not build: nothing is drawn, and it is said once
};

}  // namespace fixedgl
