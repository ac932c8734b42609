#pragma once
// The layer's GLSL ES 3.00 program: OpenGL 1.1's vertex processing (transform, per-vertex lighting
// with colour material and attenuation, no local viewer, one-sided) and fragment
// processing (MODULATE texturing, alpha test), reading the state from one uniform block.
#include "platform/fixedgl/FixedGLApi.h"

namespace fixedgl::shaders {

extern const char* const vertex;
extern const char* const fragment;

// The program built from them in the current context, its block bound to binding 0 and its
// sampler to unit 0; 0 where it does not build, having said why on stderr.
GLuint buildProgram();

}  // namespace fixedgl::shaders
