#pragma once
// Lines wider than a pixel. WebGL draws every line one pixel wide, so the layer draws a wide line
// as OpenGL 1.1 rasterises it, a parallelogram: an x-major line widened vertically by its width
// in pixels, a y-major one horizontally, ends square with its endpoints. Everywhere, so the
// native tests compare this very drawing with Mesa's own wide lines.
#include <vector>

#include "platform/fixedgl/Renderer.h"

namespace fixedgl {

struct State;

// `mode` is GL_LINES, GL_LINE_STRIP or GL_LINE_LOOP; the result is GL_TRIANGLES.
std::vector<Vertex> wideLinesAsTriangles(const State& state, GLenum mode, const std::vector<Vertex>& lines);

}  // namespace fixedgl
