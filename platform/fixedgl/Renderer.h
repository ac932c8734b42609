#pragma once
// Draws assembled primitives with GLES 3 shaders that do what OpenGL 1.1's fixed pipeline does
// for the state the layer keeps: transform, per-vertex lighting, texturing in MODULATE, alpha test.
// Primitives wait in a batch, and consecutive ones that draw alike go to GLES as one draw: the
// layer flushes the batch before any GLES call that would change what it draws or read what it drew.
#include <array>
#include <vector>

#include "platform/fixedgl/FixedGLApi.h"
#include "platform/fixedgl/Uniforms.h"

namespace fixedgl {

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
    // Draws `vertices` as `mode` (GL_TRIANGLES, GL_LINES or GL_POINTS) with the state's matrices,
    // lights and capabilities: they join the batch where it has the same mode and draws alike but
    // for the modelview matrix, and the batch is drawn first where not.
    void draw(const State& state, GLenum mode, const std::vector<Vertex>& vertices);
    // Draws the batch now.
    void flush();

private:
    bool prepare();
    bool joins(GLenum mode, const UniformBlock& block) const;
    void moveBatchToEyeSpace();
    void upload(const UniformBlock& block);
    GLint uploadVertices();

    GLuint program_ = 0;
    GLuint vertexArray_ = 0;
    GLuint vertexBuffer_ = 0;
    GLuint uniformBuffer_ = 0;
    bool failed_ = false;  // the program did not build: nothing is drawn, and it is said once

    // The batch: its vertices in object coordinates of its modelview matrix, or in eye coordinates
    // (with an identity modelview) once primitives of different matrices are in it.
    std::vector<Vertex> batch_;
    GLenum batchMode_ = GL_TRIANGLES;
    UniformBlock batchUniforms_{};
    bool batchInEyeSpace_ = false;

    UniformBlock uploaded_{};  // the block in the uniform buffer
    // The vertex buffer is a ring: each batch goes after the last, and the buffer's storage is
    // renewed when the ring wraps, so that no upload waits for a draw that reads it.
    GLsizei ringVertices_ = 0;
    GLint ringNext_ = 0;
};

}  // namespace fixedgl
