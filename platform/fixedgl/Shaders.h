#pragma once
// The layer's GLSL ES 3.00 program: OpenGL 1.1's vertex processing (transform, per-vertex lighting
// with colour material and attenuation, no local viewer, one-sided) and fragment
// processing (MODULATE texturing, alpha test), reading the state from one uniform block.
namespace fixedgl::shaders {

extern const char* const vertex;
extern const char* const fragment;

}  // namespace fixedgl::shaders
