#include "platform/fixedgl/Uniforms.h"

#include <cstddef>
#include <cstring>

#include "platform/fixedgl/State.h"

namespace fixedgl {

namespace {

GLint colorMaterialCode(const State& state) {
    if (!state.enabled.colorMaterial) return 0;
    switch (state.colorMaterialMode) {
    case GL_AMBIENT: return 1;
    case GL_DIFFUSE: return 2;
    case GL_AMBIENT_AND_DIFFUSE: return 3;
    case GL_SPECULAR: return 4;
    case GL_EMISSION: return 5;
    default: return 0;
    }
}

// The enabled lights, packed first.
GLint packLights(const State& state, LightBlock (&out)[maxLights]) {
    GLint count = 0;
    for (int i = 0; i < maxLights; ++i) {
        if (!state.enabled.lights[i]) continue;
        const Light& light = state.lights[i];
        out[count++] = {light.ambient,
                        light.diffuse,
                        light.specular,
                        light.position,
                        {light.constantAttenuation, light.linearAttenuation, light.quadraticAttenuation, 0}};
    }
    return count;
}

// The material, less what the vertex colour stands in for.
void setMaterial(UniformBlock& block, const Material& material, GLint colorMaterial) {
    const Vec4 tracked{};
    block.materialAmbient = colorMaterial == 1 || colorMaterial == 3 ? tracked : material.ambient;
    block.materialDiffuse = colorMaterial == 2 || colorMaterial == 3 ? tracked : material.diffuse;
    block.materialSpecular = colorMaterial == 4 ? tracked : material.specular;
    block.materialEmission = colorMaterial == 5 ? tracked : material.emission;
}

}  // namespace

UniformBlock uniformsOf(const State& state, bool texturing) {
    UniformBlock block{};
    setModelview(block, state.modelview.back());
    block.projection = state.projection.back();
    if (state.enabled.lighting) {
        block.sceneAmbient = state.lightModelAmbient;
        const GLint colorMaterial = colorMaterialCode(state);
        setMaterial(block, state.material, colorMaterial);
        block.switches = {1, state.enabled.normalize ? 1 : 0, colorMaterial, packLights(state, block.lights)};
        block.values[0] = state.material.shininess;
    }
    const GLint alphaFunction = state.enabled.alphaTest ? static_cast<GLint>(state.alphaFunction - GL_NEVER) : -1;
    block.fragmentSwitches = {texturing ? 1 : 0, alphaFunction, 0, 0};
    if (state.enabled.alphaTest) block.values[1] = state.alphaReference;
    return block;
}

void setModelview(UniformBlock& block, const Matrix& modelview) {
    block.modelview = modelview;
    const std::array<float, 9> normals = normalMatrix(modelview);
    block.normalMatrix = identityMatrix();
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row) block.normalMatrix[column * 4 + row] = normals[column * 3 + row];
}

bool sameButModelview(const UniformBlock& a, const UniformBlock& b) {
    constexpr size_t rest = offsetof(UniformBlock, materialAmbient);
    return a.projection == b.projection &&
           std::memcmp(reinterpret_cast<const char*>(&a) + rest, reinterpret_cast<const char*>(&b) + rest,
                       sizeof(UniformBlock) - rest) == 0;
}

}  // namespace fixedgl
