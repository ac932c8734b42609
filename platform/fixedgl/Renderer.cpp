#include "platform/fixedgl/Renderer.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/fixedgl/GlesCalls.h"
#include "platform/fixedgl/Shaders.h"
#include "platform/fixedgl/State.h"

namespace fixedgl {

namespace {

constexpr GLsizei initialRingVertices = 1 << 16;  // about 4 MB: a few of the busiest frames

void attribute(GLuint index, GLint size, size_t offset) {
    FIXEDGL_GLES(glEnableVertexAttribArray)(index);
    FIXEDGL_GLES(glVertexAttribPointer)(index, size, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                                        reinterpret_cast<const void*>(offset));
}

void allocateRing(GLsizei vertices) {
    FIXEDGL_GLES(glBufferData)(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices * sizeof(Vertex)), nullptr,
                               GL_STREAM_DRAW);
}

// The vertex in eye coordinates: its position by the modelview matrix, its normal by the matrix
// the shader would have used.
void toEyeSpace(Vertex& vertex, const UniformBlock& block) {
    vertex.position = transform(block.modelview, vertex.position);
    const std::array<float, 3> n = vertex.normal;
    const Matrix& m = block.normalMatrix;
    for (int row = 0; row < 3; ++row) vertex.normal[row] = m[row] * n[0] + m[4 + row] * n[1] + m[8 + row] * n[2];
}

}  // namespace

// The program, vertex array and buffers stay bound in the context from here on: nothing else the
// engine does binds others.
bool Renderer::prepare() {
    if (program_ != 0) return true;
    if (failed_) return false;
    program_ = shaders::buildProgram();
    if (program_ == 0) {
        failed_ = true;
        return false;
    }
    FIXEDGL_GLES(glGenBuffers)(1, &uniformBuffer_);
    FIXEDGL_GLES(glBindBuffer)(GL_UNIFORM_BUFFER, uniformBuffer_);
    FIXEDGL_GLES(glBufferData)(GL_UNIFORM_BUFFER, sizeof uploaded_, &uploaded_, GL_DYNAMIC_DRAW);
    FIXEDGL_GLES(glBindBufferBase)(GL_UNIFORM_BUFFER, 0, uniformBuffer_);
    FIXEDGL_GLES(glGenBuffers)(1, &vertexBuffer_);
    FIXEDGL_GLES(glGenVertexArrays)(1, &vertexArray_);
    FIXEDGL_GLES(glBindVertexArray)(vertexArray_);
    FIXEDGL_GLES(glBindBuffer)(GL_ARRAY_BUFFER, vertexBuffer_);
    ringVertices_ = initialRingVertices;
    allocateRing(ringVertices_);
    attribute(0, 4, offsetof(Vertex, position));
    attribute(1, 3, offsetof(Vertex, normal));
    attribute(2, 4, offsetof(Vertex, color));
    attribute(3, 2, offsetof(Vertex, texCoord));
    attribute(4, 2, offsetof(Vertex, offset));
    return true;
}

bool Renderer::joins(GLenum mode, const UniformBlock& block) const {
    return !batch_.empty() && mode == batchMode_ && sameButModelview(block, batchUniforms_);
}

void Renderer::moveBatchToEyeSpace() {
    for (Vertex& vertex : batch_) toEyeSpace(vertex, batchUniforms_);
    setModelview(batchUniforms_, identityMatrix());
    batchInEyeSpace_ = true;
}

void Renderer::draw(const State& state, GLenum mode, const std::vector<Vertex>& vertices) {
    if (vertices.empty() || !prepare()) return;
    const UniformBlock block = uniformsOf(state, state.enabled.texture2D && state.boundTextureHasImage());
    if (!joins(mode, block)) {
        flush();
        batchMode_ = mode;
        batchUniforms_ = block;
        batchInEyeSpace_ = false;
    } else if (!batchInEyeSpace_ && block.modelview != batchUniforms_.modelview) {
        moveBatchToEyeSpace();
    }
    const size_t first = batch_.size();
    batch_.insert(batch_.end(), vertices.begin(), vertices.end());
    if (!batchInEyeSpace_) return;
    for (auto vertex = batch_.begin() + static_cast<std::ptrdiff_t>(first); vertex != batch_.end(); ++vertex)
        toEyeSpace(*vertex, block);
}

void Renderer::upload(const UniformBlock& block) {
    if (std::memcmp(&block, &uploaded_, sizeof block) == 0) return;
    uploaded_ = block;
    FIXEDGL_GLES(glBufferSubData)(GL_UNIFORM_BUFFER, 0, sizeof block, &block);
}

// Puts the batch's vertices in the ring, returning where the first is.
GLint Renderer::uploadVertices() {
    const auto count = static_cast<GLsizei>(batch_.size());
    if (ringNext_ + count > ringVertices_) {
        ringVertices_ = std::max(ringVertices_, count);
        allocateRing(ringVertices_);
        ringNext_ = 0;
    }
    const GLint first = ringNext_;
    FIXEDGL_GLES(glBufferSubData)(GL_ARRAY_BUFFER, static_cast<GLintptr>(first * sizeof(Vertex)),
                                  static_cast<GLsizeiptr>(count * sizeof(Vertex)), batch_.data());
    ringNext_ += count;
    return first;
}

void Renderer::flush() {
    if (batch_.empty()) return;
    upload(batchUniforms_);
    const GLint first = uploadVertices();
    FIXEDGL_GLES(glDrawArrays)(batchMode_, first, static_cast<GLsizei>(batch_.size()));
    ++detail::counted.draws;
    batch_.clear();
}

}  // namespace fixedgl
