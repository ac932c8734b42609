// The modelview and projection stacks, and GLU's viewing matrices computed as GLU computes them.
#include <cmath>
#include <cstring>

#include "platform/fixedgl/GlesCalls.h"
#include "platform/fixedgl/State.h"

namespace fixedgl {

namespace {

constexpr size_t maxStackDepth = 32;

void multiplyCurrent(const Matrix& m) {
    Matrix& top = current().currentMatrix();
    top = multiply(top, m);
}

std::array<float, 3> normalised(std::array<float, 3> v) {
    const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length == 0) return v;
    return {v[0] / length, v[1] / length, v[2] / length};
}

std::array<float, 3> cross(const std::array<float, 3>& a, const std::array<float, 3>& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

}  // namespace

void glMatrixMode(GLenum mode) {
    if (recordInList([=] { glMatrixMode(mode); })) return;
    if (mode == GL_MODELVIEW || mode == GL_PROJECTION) current().matrixMode = mode;
}

void glLoadIdentity() {
    if (recordInList([] { glLoadIdentity(); })) return;
    current().currentMatrix() = identityMatrix();
}

// A full stack or an empty one leaves the matrix as it is (GL's overflow and underflow errors).
void glPushMatrix() {
    if (recordInList([] { glPushMatrix(); })) return;
    std::vector<Matrix>& stack = current().currentStack();
    if (stack.size() < maxStackDepth) stack.push_back(stack.back());
}

void glPopMatrix() {
    if (recordInList([] { glPopMatrix(); })) return;
    std::vector<Matrix>& stack = current().currentStack();
    if (stack.size() > 1) stack.pop_back();
}

void glMultMatrixf(const GLfloat* matrix) {
    Matrix m;
    std::memcpy(m.data(), matrix, sizeof m);
    if (recordInList([=] { multiplyCurrent(m); })) return;
    multiplyCurrent(m);
}

void glMultMatrixd(const GLdouble* matrix) {
    GLfloat m[16];
    for (int i = 0; i < 16; ++i) m[i] = static_cast<GLfloat>(matrix[i]);
    glMultMatrixf(m);
}

void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    if (recordInList([=] { glRotatef(angle, x, y, z); })) return;
    multiplyCurrent(rotation(angle, x, y, z));
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    if (recordInList([=] { glTranslatef(x, y, z); })) return;
    multiplyCurrent(translation(x, y, z));
}

void glTranslated(GLdouble x, GLdouble y, GLdouble z) {
    glTranslatef(static_cast<GLfloat>(x), static_cast<GLfloat>(y), static_cast<GLfloat>(z));
}

void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    if (recordInList([=] { glScalef(x, y, z); })) return;
    multiplyCurrent(scaling(x, y, z));
}

void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar) {
    if (left == right || bottom == top || zNear == zFar) return;
    const Matrix m = orthographic(left, right, bottom, top, zNear, zFar);
    if (recordInList([=] { multiplyCurrent(m); })) return;
    multiplyCurrent(m);
}

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    const double radians = fovy / 2 * 3.14159265358979323846 / 180;
    const double deltaZ = zFar - zNear;
    const double sine = std::sin(radians);
    if (deltaZ == 0 || sine == 0 || aspect == 0) return;
    const double cotangent = std::cos(radians) / sine;
    GLdouble m[16] = {};
    m[0] = cotangent / aspect;
    m[5] = cotangent;
    m[10] = -(zFar + zNear) / deltaZ;
    m[11] = -1;
    m[14] = -2 * zNear * zFar / deltaZ;
    glMultMatrixd(m);
}

void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY, GLdouble centerZ,
               GLdouble upX, GLdouble upY, GLdouble upZ) {
    const auto f = [](GLdouble value) { return static_cast<float>(value); };
    const std::array<float, 3> forward = normalised({f(centerX - eyeX), f(centerY - eyeY), f(centerZ - eyeZ)});
    const std::array<float, 3> side = normalised(cross(forward, {f(upX), f(upY), f(upZ)}));
    const std::array<float, 3> up = cross(side, forward);
    const GLfloat m[16] = {side[0], up[0], -forward[0], 0, side[1], up[1], -forward[1], 0,
                           side[2], up[2], -forward[2], 0, 0,       0,     0,           1};
    glMultMatrixf(m);
    glTranslated(-eyeX, -eyeY, -eyeZ);
}

void glGetFloatv(GLenum name, GLfloat* values) {
    State& state = current();
    switch (name) {
    case GL_MODELVIEW_MATRIX: std::memcpy(values, state.modelview.back().data(), sizeof(Matrix)); return;
    case GL_PROJECTION_MATRIX: std::memcpy(values, state.projection.back().data(), sizeof(Matrix)); return;
    case GL_CURRENT_COLOR: std::memcpy(values, state.color.data(), sizeof(Vec4)); return;
    default: FIXEDGL_GLES(glGetFloatv)(name, values);
    }
}

}  // namespace fixedgl
