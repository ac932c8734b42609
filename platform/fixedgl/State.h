#pragma once
// What the fixed-function layer keeps per context: OpenGL 1.1's state for the calls it handles,
// with 1.1's initial values, and the GLES objects that draw with it.
#include <array>
#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "platform/fixedgl/FixedGLApi.h"
#include "platform/fixedgl/FixedGLContext.h"
#include "platform/fixedgl/Renderer.h"
#include "platform/fixedgl/Transform.h"

namespace fixedgl {

struct Light {
    Vec4 ambient{0, 0, 0, 1};
    Vec4 diffuse{0, 0, 0, 1};  // light 0 starts white
    Vec4 specular{0, 0, 0, 1};
    Vec4 position{0, 0, 1, 0};  // in eye coordinates, transformed when set
    float constantAttenuation = 1;
    float linearAttenuation = 0;
    float quadraticAttenuation = 0;
};

struct Material {
    Vec4 ambient{0.2f, 0.2f, 0.2f, 1};
    Vec4 diffuse{0.8f, 0.8f, 0.8f, 1};
    Vec4 specular{0, 0, 0, 1};
    Vec4 emission{0, 0, 0, 1};
    float shininess = 0;
};

// The capabilities glEnable switches: the layer's own, and those GLES also has (kept so that
// glPushAttrib can restore them).
struct Capabilities {
    bool lighting = false;
    std::array<bool, maxLights> lights{};
    bool texture2D = false;
    bool alphaTest = false;
    bool colorMaterial = false;
    bool normalize = false;
    bool autoNormal = false;
    bool map2Vertex3 = false;
    bool map2TextureCoord2 = false;
    bool blend = false;
    bool depthTest = false;
    bool cullFace = false;
};

// A two-dimensional evaluator map: uOrder x vOrder control points of `components` floats each,
// stored densely (u minor).
struct Map2 {
    int components;
    GLfloat u1 = 0, u2 = 1, v1 = 0, v2 = 1;
    int uOrder = 1, vOrder = 1;
    std::vector<GLfloat> points;
};

struct Evaluators {
    Map2 vertex3{3, 0, 1, 0, 1, 1, 1, {0, 0, 0}};
    Map2 textureCoord2{2, 0, 1, 0, 1, 1, 1, {0, 0}};
    GLint gridUn = 1, gridVn = 1;
    GLfloat gridU1 = 0, gridU2 = 1, gridV1 = 0, gridV2 = 1;
};

struct DisplayLists {
    std::map<GLuint, std::vector<std::function<void()>>> lists;
    GLuint base = 0;
    GLuint compiling = 0;  // the list being compiled, 0 when none
    bool executeWhileCompiling = false;
};

// What glPushAttrib saved, for the groups the layer handles.
struct SavedAttributes {
    GLbitfield mask;
    Capabilities enabled;
    Evaluators evaluators;
    GLenum cullFaceMode;
    GLenum frontFace;
    Vec4 color;
    std::array<float, 3> normal;
    std::array<float, 2> texCoord;
    std::array<Light, maxLights> lights;
    Material material;
    GLenum shadeModel;
};

// The per-fragment state the layer passes on to GLES, as it last passed it (GLES's initial values
// to begin with).
struct PassedState {
    GLenum blendSource = GL_ONE;
    GLenum blendDestination = GL_ZERO;
    GLenum depthFunction = GL_LESS;
    GLboolean depthMask = GL_TRUE;
};

struct State {
    State();

    Capabilities enabled;
    GLenum matrixMode = GL_MODELVIEW;
    std::vector<Matrix> modelview{identityMatrix()};
    std::vector<Matrix> projection{identityMatrix()};

    std::array<Light, maxLights> lights;
    Material material;
    Vec4 lightModelAmbient{0.2f, 0.2f, 0.2f, 1};
    GLenum colorMaterialMode = GL_AMBIENT_AND_DIFFUSE;
    GLenum shadeModel = GL_SMOOTH;
    GLenum alphaFunction = GL_ALWAYS;
    GLfloat alphaReference = 0;
    GLfloat lineWidth = 1;
    GLenum cullFaceMode = GL_BACK;
    GLenum frontFace = GL_CCW;
    PassedState passed;
    // The viewport as last set through the layer; until then only GLES knows it.
    std::array<GLint, 4> viewport{0, 0, 1, 1};
    bool viewportKnown = false;

    // The current vertex attributes.
    Vec4 color{1, 1, 1, 1};
    std::array<float, 3> normal{0, 0, 1};
    std::array<float, 2> texCoord{0, 0};

    // The primitive between glBegin and glEnd.
    bool inPrimitive = false;
    GLenum primitive = GL_POINTS;
    std::vector<Vertex> vertices;

    Evaluators evaluators;
    DisplayLists displayLists;
    std::vector<SavedAttributes> attributeStack;
    GLuint boundTexture = 0;              // to GL_TEXTURE_2D
    std::set<GLuint> texturesWithImages;  // given a level-0 image through glTexImage2D
    Renderer renderer;
    bool drawsNothing = false;  // the state that calls made with no context current change

    // OpenGL 1.1 textures only with a complete texture: without an image, none is applied.
    bool boundTextureHasImage() const;
    Matrix& currentMatrix();
    std::vector<Matrix>& currentStack();
};

// The current context's state.
State& current();

// Adds a vertex with these attributes to the primitive being assembled.
void emitVertex(State& state, const Vec4& position, const std::array<float, 3>& normal, const Vec4& color,
                const std::array<float, 2>& texCoord);

// Whether calls are being compiled into a display list now.
bool compilingList();
// Adds `call` to the list being compiled, and runs it too for GL_COMPILE_AND_EXECUTE.
void record(std::function<void()> call);

// While a display list is being compiled, `call` is recorded instead of run (or as well as run,
// for GL_COMPILE_AND_EXECUTE); true when the caller must not run it itself.
template <typename Call>
bool recordInList(Call&& call) {
    if (!compilingList()) return false;
    record(std::forward<Call>(call));
    return true;
}

}  // namespace fixedgl
