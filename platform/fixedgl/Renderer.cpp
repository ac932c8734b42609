#include "platform/fixedgl/Renderer.h"

#include <cstddef>
#include <cstdio>

#include "platform/fixedgl/Shaders.h"
#include "platform/fixedgl/State.h"

namespace fixedgl {

namespace {

// The shaders' uniform block State, in std140 layout.
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

UniformBlock uniformsOf(const State& state, bool texturing) {
    UniformBlock block{};
    block.modelview = state.modelview.back();
    block.projection = state.projection.back();
    const std::array<float, 9> normals = normalMatrix(block.modelview);
    block.normalMatrix = identityMatrix();
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row) block.normalMatrix[column * 4 + row] = normals[column * 3 + row];
    block.materialAmbient = state.material.ambient;
    block.materialDiffuse = state.material.diffuse;
    block.materialSpecular = state.material.specular;
    block.materialEmission = state.material.emission;
    block.sceneAmbient = state.lightModelAmbient;
    const GLint lightCount = state.enabled.lighting ? packLights(state, block.lights) : 0;
    block.switches = {state.enabled.lighting ? 1 : 0, state.enabled.normalize ? 1 : 0, colorMaterialCode(state),
                      lightCount};
    const GLint alphaFunction =
        state.enabled.alphaTest ? static_cast<GLint>(state.alphaFunction - GL_NEVER) : -1;
    block.fragmentSwitches = {texturing ? 1 : 0, alphaFunction, 0, 0};
    block.values = {state.material.shininess, state.alphaReference, 0, 0};
    return block;
}

GLuint compile(GLenum kind, const char* source) {
    const GLuint shader = ::glCreateShader(kind);
    ::glShaderSource(shader, 1, &source, nullptr);
    ::glCompileShader(shader);
    GLint compiled = GL_FALSE;
    ::glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE) return shader;
    char log[1024] = "";
    ::glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    std::fprintf(stderr, "fixedgl: the %s shader does not compile: %s\n",
                 kind == GL_VERTEX_SHADER ? "vertex" : "fragment", log);
    ::glDeleteShader(shader);
    return 0;
}

GLuint link() {
    const GLuint vertexShader = compile(GL_VERTEX_SHADER, shaders::vertex);
    const GLuint fragmentShader = compile(GL_FRAGMENT_SHADER, shaders::fragment);
    GLuint program = 0;
    if (vertexShader != 0 && fragmentShader != 0) {
        program = ::glCreateProgram();
        ::glAttachShader(program, vertexShader);
        ::glAttachShader(program, fragmentShader);
        ::glLinkProgram(program);
        GLint linked = GL_FALSE;
        ::glGetProgramiv(program, GL_LINK_STATUS, &linked);
        if (linked != GL_TRUE) {
            char log[1024] = "";
            ::glGetProgramInfoLog(program, sizeof log, nullptr, log);
            std::fprintf(stderr, "fixedgl: the program does not link: %s\n", log);
            ::glDeleteProgram(program);
            program = 0;
        }
    }
    ::glDeleteShader(vertexShader);
    ::glDeleteShader(fragmentShader);
    return program;
}

void attribute(GLuint index, GLint size, size_t offset) {
    ::glEnableVertexAttribArray(index);
    ::glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<const void*>(offset));
}

}  // namespace

bool Renderer::prepare() {
    if (program_ != 0) return true;
    if (failed_) return false;
    program_ = link();
    if (program_ == 0) {
        failed_ = true;
        return false;
    }
    ::glUniformBlockBinding(program_, ::glGetUniformBlockIndex(program_, "State"), 0);
    ::glUseProgram(program_);
    ::glUniform1i(::glGetUniformLocation(program_, "image"), 0);
    ::glGenBuffers(1, &uniformBuffer_);
    ::glGenBuffers(1, &vertexBuffer_);
    ::glGenVertexArrays(1, &vertexArray_);
    ::glBindVertexArray(vertexArray_);
    ::glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    attribute(0, 4, offsetof(Vertex, position));
    attribute(1, 3, offsetof(Vertex, normal));
    attribute(2, 4, offsetof(Vertex, color));
    attribute(3, 2, offsetof(Vertex, texCoord));
    attribute(4, 2, offsetof(Vertex, offset));
    return true;
}

void Renderer::draw(const State& state, GLenum mode, const std::vector<Vertex>& vertices) {
    if (vertices.empty() || !prepare()) return;
    const UniformBlock block = uniformsOf(state, state.enabled.texture2D && state.boundTextureHasImage());
    ::glUseProgram(program_);
    ::glBindVertexArray(vertexArray_);
    ::glBindBuffer(GL_UNIFORM_BUFFER, uniformBuffer_);
    ::glBufferData(GL_UNIFORM_BUFFER, sizeof block, &block, GL_STREAM_DRAW);
    ::glBindBufferBase(GL_UNIFORM_BUFFER, 0, uniformBuffer_);
    ::glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    ::glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)), vertices.data(),
                   GL_STREAM_DRAW);
    ::glDrawArrays(mode, 0, static_cast<GLsizei>(vertices.size()));
}

}  // namespace fixedgl
