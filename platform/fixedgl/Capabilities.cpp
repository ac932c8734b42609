// glEnable and the other per-context switches: the fixed-function ones live in the layer's state,
// the ones GLES shares are remembered for glPushAttrib and passed on when they change, the batch
// drawn first.
#include "platform/fixedgl/GlesCalls.h"
#include "platform/fixedgl/State.h"

namespace fixedgl {

namespace {

// The flag behind a capability; none for one the layer leaves to GLES alone.
bool* flagOf(Capabilities& enabled, GLenum capability) {
    if (capability >= GL_LIGHT0 && capability < GL_LIGHT0 + maxLights) return &enabled.lights[capability - GL_LIGHT0];
    switch (capability) {
    case GL_LIGHTING: return &enabled.lighting;
    case GL_TEXTURE_2D: return &enabled.texture2D;
    case GL_ALPHA_TEST: return &enabled.alphaTest;
    case GL_COLOR_MATERIAL: return &enabled.colorMaterial;
    case GL_NORMALIZE: return &enabled.normalize;
    case GL_AUTO_NORMAL: return &enabled.autoNormal;
    case GL_MAP2_VERTEX_3: return &enabled.map2Vertex3;
    case GL_MAP2_TEXTURE_COORD_2: return &enabled.map2TextureCoord2;
    case GL_BLEND: return &enabled.blend;
    case GL_DEPTH_TEST: return &enabled.depthTest;
    case GL_CULL_FACE: return &enabled.cullFace;
    default: return nullptr;
    }
}

bool sharedWithGles(GLenum capability) {
    return capability == GL_BLEND || capability == GL_DEPTH_TEST || capability == GL_CULL_FACE;
}

void setCapability(GLenum capability, bool on) {
    if (recordInList([=] { setCapability(capability, on); })) return;
    bool* flag = flagOf(current().enabled, capability);
    const bool toGles = flag == nullptr || (sharedWithGles(capability) && *flag != on);
    if (flag != nullptr) *flag = on;
    if (!toGles) return;
    flushBatch();
    (on ? FIXEDGL_GLES(glEnable) : FIXEDGL_GLES(glDisable))(capability);
}

void applySharedCapabilities(const Capabilities& enabled) {
    flushBatch();
    (enabled.blend ? FIXEDGL_GLES(glEnable) : FIXEDGL_GLES(glDisable))(GL_BLEND);
    (enabled.depthTest ? FIXEDGL_GLES(glEnable) : FIXEDGL_GLES(glDisable))(GL_DEPTH_TEST);
    (enabled.cullFace ? FIXEDGL_GLES(glEnable) : FIXEDGL_GLES(glDisable))(GL_CULL_FACE);
}

}  // namespace

void glEnable(GLenum capability) { setCapability(capability, true); }

void glDisable(GLenum capability) { setCapability(capability, false); }

GLboolean glIsEnabled(GLenum capability) {
    const bool* flag = flagOf(current().enabled, capability);
    if (flag == nullptr) return FIXEDGL_GLES(glIsEnabled)(capability);
    return *flag ? GL_TRUE : GL_FALSE;
}

void glPushAttrib(GLbitfield mask) {
    State& state = current();
    state.attributeStack.push_back({mask, state.enabled, state.evaluators, state.cullFaceMode, state.frontFace,
                                    state.color, state.normal, state.texCoord, state.lights, state.material,
                                    state.shadeModel});
}

void glPopAttrib() {
    State& state = current();
    if (state.attributeStack.empty()) return;
    const SavedAttributes saved = state.attributeStack.back();
    state.attributeStack.pop_back();
    if (saved.mask & GL_ENABLE_BIT) {
        state.enabled = saved.enabled;
        applySharedCapabilities(state.enabled);
    }
    if (saved.mask & GL_EVAL_BIT) {  // the grid and the switches; the maps' points stay
        Evaluators& evaluators = state.evaluators;
        evaluators.gridUn = saved.evaluators.gridUn;
        evaluators.gridVn = saved.evaluators.gridVn;
        evaluators.gridU1 = saved.evaluators.gridU1;
        evaluators.gridU2 = saved.evaluators.gridU2;
        evaluators.gridV1 = saved.evaluators.gridV1;
        evaluators.gridV2 = saved.evaluators.gridV2;
        state.enabled.autoNormal = saved.enabled.autoNormal;
        state.enabled.map2Vertex3 = saved.enabled.map2Vertex3;
        state.enabled.map2TextureCoord2 = saved.enabled.map2TextureCoord2;
    }
    if (saved.mask & GL_POLYGON_BIT) {
        state.enabled.cullFace = saved.enabled.cullFace;
        applySharedCapabilities(state.enabled);
        glCullFace(saved.cullFaceMode);
        glFrontFace(saved.frontFace);
    }
    if (saved.mask & GL_CURRENT_BIT) {
        state.color = saved.color;
        state.normal = saved.normal;
        state.texCoord = saved.texCoord;
    }
    if (saved.mask & GL_LIGHTING_BIT) {
        state.lights = saved.lights;
        state.material = saved.material;
        state.shadeModel = saved.shadeModel;
        state.enabled.lighting = saved.enabled.lighting;
        state.enabled.lights = saved.enabled.lights;
        state.enabled.colorMaterial = saved.enabled.colorMaterial;
    }
}

void glCullFace(GLenum face) {
    flushBatch();
    current().cullFaceMode = face;
    FIXEDGL_GLES(glCullFace)(face);
}

void glFrontFace(GLenum direction) {
    flushBatch();
    current().frontFace = direction;
    FIXEDGL_GLES(glFrontFace)(direction);
}

// Only smooth shading is drawn; the mode is kept for glPushAttrib.
void glShadeModel(GLenum mode) {
    if (recordInList([=] { glShadeModel(mode); })) return;
    current().shadeModel = mode;
}

// GLES always interpolates with perspective correction; its own hints pass on.
void glHint(GLenum target, GLenum mode) {
    if (target != GL_PERSPECTIVE_CORRECTION_HINT) FIXEDGL_GLES(glHint)(target, mode);
}

void glClearDepth(GLclampd depth) { FIXEDGL_GLES(glClearDepthf)(static_cast<GLfloat>(depth)); }

void glAlphaFunc(GLenum function, GLclampf reference) {
    if (recordInList([=] { glAlphaFunc(function, reference); })) return;
    State& state = current();
    if (function < GL_NEVER || function > GL_ALWAYS) return;
    state.alphaFunction = function;
    state.alphaReference = reference < 0 ? 0 : reference > 1 ? 1 : reference;
}

void glLineWidth(GLfloat width) {
    if (recordInList([=] { glLineWidth(width); })) return;
    if (width <= 0) return;
    current().lineWidth = width;  // wider than 1: drawn as triangles
}

}  // namespace fixedgl
