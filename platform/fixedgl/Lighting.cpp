// Lights and materials. A light's position is carried into eye coordinates by the modelview
// matrix current when it is set, as OpenGL does. Spot lights are not drawn: no scene makes one.
#include <algorithm>

#include "platform/fixedgl/State.h"

namespace fixedgl {

namespace {

Light* lightOf(GLenum light) {
    if (light < GL_LIGHT0 || light >= GL_LIGHT0 + maxLights) return nullptr;
    return &current().lights[light - GL_LIGHT0];
}

Vec4 four(const GLfloat* values) { return {values[0], values[1], values[2], values[3]}; }

void setLight(GLenum which, GLenum name, const Vec4& v) {
    Light* light = lightOf(which);
    if (light == nullptr) return;
    const Matrix& modelview = current().modelview.back();
    switch (name) {
    case GL_AMBIENT: light->ambient = v; break;
    case GL_DIFFUSE: light->diffuse = v; break;
    case GL_SPECULAR: light->specular = v; break;
    case GL_POSITION: light->position = transform(modelview, v); break;
    case GL_CONSTANT_ATTENUATION: light->constantAttenuation = v[0]; break;
    case GL_LINEAR_ATTENUATION: light->linearAttenuation = v[0]; break;
    case GL_QUADRATIC_ATTENUATION: light->quadraticAttenuation = v[0]; break;
    default: break;
    }
}

bool takesFourValues(GLenum name) {
    return name == GL_AMBIENT || name == GL_DIFFUSE || name == GL_SPECULAR || name == GL_POSITION ||
           name == GL_EMISSION || name == GL_AMBIENT_AND_DIFFUSE;
}

// One-sided lighting uses the front material for both sides; a back-only call changes nothing seen.
void setMaterial(GLenum face, GLenum name, const Vec4& v) {
    if (face == GL_BACK) return;
    Material& material = current().material;
    switch (name) {
    case GL_AMBIENT: material.ambient = v; break;
    case GL_DIFFUSE: material.diffuse = v; break;
    case GL_AMBIENT_AND_DIFFUSE: material.ambient = material.diffuse = v; break;
    case GL_SPECULAR: material.specular = v; break;
    case GL_EMISSION: material.emission = v; break;
    case GL_SHININESS: material.shininess = std::clamp(v[0], 0.0f, 128.0f); break;
    default: break;
    }
}

}  // namespace

void glLightfv(GLenum light, GLenum name, const GLfloat* values) {
    const Vec4 v = takesFourValues(name) ? four(values) : Vec4{values[0], values[1], values[2], 0};
    if (recordInList([=] { setLight(light, name, v); })) return;
    setLight(light, name, v);
}

void glLightf(GLenum light, GLenum name, GLfloat value) {
    if (takesFourValues(name)) return;
    const GLfloat values[4] = {value, 0, 0, 0};
    glLightfv(light, name, values);
}

void glMaterialfv(GLenum face, GLenum name, const GLfloat* values) {
    const Vec4 v = takesFourValues(name) ? four(values) : Vec4{values[0], 0, 0, 0};
    if (recordInList([=] { setMaterial(face, name, v); })) return;
    setMaterial(face, name, v);
}

void glMateriali(GLenum face, GLenum name, GLint value) {
    if (name != GL_SHININESS) return;
    const GLfloat values[4] = {static_cast<GLfloat>(value), 0, 0, 0};
    glMaterialfv(face, name, values);
}

void glColorMaterial(GLenum face, GLenum mode) {
    if (recordInList([=] { glColorMaterial(face, mode); })) return;
    current().colorMaterialMode = mode;
}

}  // namespace fixedgl
