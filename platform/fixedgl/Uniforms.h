#pragma once
// The shaders' uniform block State, in std140 layout, and how the layer's state fills it.
#include <array>

#include "platform/fixedgl/FixedGLApi.h"
#include "platform/fixedgl/Transform.h"

namespace fixedgl {

constexpr int maxLights = 8;  // the block's lights, OpenGL 1.1's minimum
struct State;

struct LightBlock {
    Vec4 ambient, diffuse, specular, position;
    Vec4 attenuation;  // constant, linear, quadratic
};

struct UniformBlock {
    Matrix modelview, projection, normalMatrix;
    Vec4 materialAmbient, materialDiffuse, materialSpecular, materialEmission;
    Vec4 sceneAmbient;
    std::array<GLint, 4> switches;
    std::array<GLint, 4> fragmentSwitches;
    Vec4 values;
    LightBlock lights[maxLights];
};

// The block for drawing with `state`, the bound texture applied when `texturing`. What the shaders
// do not read is zero (the lights not enabled, the material a colour material tracks), so that two
// blocks that draw alike are equal byte for byte.
UniformBlock uniformsOf(const State& state, bool texturing);

// The block with `modelview` and the normal matrix that goes with it.
void setModelview(UniformBlock& block, const Matrix& modelview);

// Whether the two blocks draw alike but for their modelview (and so normal) matrices.
bool sameButModelview(const UniformBlock& a, const UniformBlock& b);

}  // namespace fixedgl
