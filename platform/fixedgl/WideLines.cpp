#include "platform/fixedgl/WideLines.h"

#include <cmath>

#include "platform/fixedgl/GlesCalls.h"
#include "platform/fixedgl/State.h"

namespace fixedgl {

namespace {

Vertex between(const Vertex& a, const Vertex& b, float t) {
    const auto mix = [t](const auto& x, const auto& y) {
        auto result = x;
        for (size_t i = 0; i < result.size(); ++i) result[i] = x[i] + (y[i] - x[i]) * t;
        return result;
    };
    return {mix(a.position, b.position), mix(a.normal, b.normal), mix(a.color, b.color),
            mix(a.texCoord, b.texCoord), a.offset};
}

// Cuts the segment at the near plane (z = -w in clip coordinates); false when none of it is in front.
bool inFront(const Matrix& toClip, Vertex& a, Vertex& b, Vec4& clipA, Vec4& clipB) {
    clipA = transform(toClip, a.position);
    clipB = transform(toClip, b.position);
    const float da = clipA[2] + clipA[3], db = clipB[2] + clipB[3];
    if (da < 0 && db < 0) return false;
    if (da >= 0 && db >= 0) return true;
    const float t = da / (da - db);
    (da < 0 ? a : b) = between(a, b, t);
    (da < 0 ? clipA : clipB) = transform(toClip, (da < 0 ? a : b).position);
    return true;
}

void addSegment(std::vector<Vertex>& out, const Matrix& toClip, const std::array<GLint, 4>& viewport, float width,
                Vertex a, Vertex b) {
    Vec4 clipA, clipB;
    if (!inFront(toClip, a, b, clipA, clipB)) return;
    const float dx = std::fabs(clipB[0] / clipB[3] - clipA[0] / clipA[3]) * static_cast<float>(viewport[2]);
    const float dy = std::fabs(clipB[1] / clipB[3] - clipA[1] / clipA[3]) * static_cast<float>(viewport[3]);
    // Half the width in normalised device coordinates, across the line's minor axis.
    const std::array<float, 2> half = dx >= dy ? std::array<float, 2>{0, width / static_cast<float>(viewport[3])}
                                               : std::array<float, 2>{width / static_cast<float>(viewport[2]), 0};
    Vertex a0 = a, a1 = a, b0 = b, b1 = b;
    a0.offset = b0.offset = half;
    a1.offset = b1.offset = {-half[0], -half[1]};
    for (const Vertex* v : {&a0, &a1, &b0, &a1, &b1, &b0}) out.push_back(*v);
}

}  // namespace

std::vector<Vertex> wideLinesAsTriangles(const State& state, GLenum mode, const std::vector<Vertex>& lines) {
    std::array<GLint, 4> viewport = state.viewport;
    if (!state.viewportKnown) FIXEDGL_GLES(glGetIntegerv)(GL_VIEWPORT, viewport.data());
    const Matrix toClip = multiply(state.projection.back(), state.modelview.back());
    std::vector<Vertex> triangles;
    const size_t step = mode == GL_LINES ? 2 : 1;
    for (size_t i = 0; i + 1 < lines.size(); i += step)
        addSegment(triangles, toClip, viewport, state.lineWidth, lines[i], lines[i + 1]);
    if (mode == GL_LINE_LOOP && lines.size() > 2)
        addSegment(triangles, toClip, viewport, state.lineWidth, lines.back(), lines.front());
    return triangles;
}

}  // namespace fixedgl
