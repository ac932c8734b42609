// glBegin/glEnd: vertices gather with the attributes current for each, and glEnd draws them as
// the GLES primitive that gives the same picture. Quadrilaterals become two triangles each, split
// along the diagonal that ends at the quad's last vertex, as Mesa's fixed pipeline splits them.
#include "platform/fixedgl/State.h"
#include "platform/fixedgl/WideLines.h"

namespace fixedgl {

namespace {

void addTriangle(std::vector<Vertex>& out, const Vertex& a, const Vertex& b, const Vertex& c) {
    out.push_back(a);
    out.push_back(b);
    out.push_back(c);
}

std::vector<Vertex> quadsAsTriangles(const std::vector<Vertex>& v) {
    std::vector<Vertex> triangles;
    for (size_t i = 0; i + 3 < v.size(); i += 4) {
        addTriangle(triangles, v[i], v[i + 1], v[i + 3]);
        addTriangle(triangles, v[i + 1], v[i + 2], v[i + 3]);
    }
    return triangles;
}

// Quad i of a strip is vertices 2i, 2i+1, 2i+3, 2i+2 in that order.
std::vector<Vertex> quadStripAsTriangles(const std::vector<Vertex>& v) {
    std::vector<Vertex> triangles;
    for (size_t i = 0; i + 3 < v.size(); i += 2) {
        addTriangle(triangles, v[i + 2], v[i], v[i + 3]);
        addTriangle(triangles, v[i], v[i + 1], v[i + 3]);
    }
    return triangles;
}

}  // namespace

void emitVertex(State& state, const Vec4& position, const std::array<float, 3>& normal, const Vec4& color,
                const std::array<float, 2>& texCoord) {
    if (state.inPrimitive) state.vertices.push_back({position, normal, color, texCoord, {0, 0}});
}

void glBegin(GLenum mode) {
    if (recordInList([=] { glBegin(mode); })) return;
    State& state = current();
    state.inPrimitive = true;
    state.primitive = mode;
    state.vertices.clear();
}

void glEnd() {
    if (recordInList([] { glEnd(); })) return;
    State& state = current();
    if (!state.inPrimitive || state.drawsNothing) return;
    state.inPrimitive = false;
    switch (state.primitive) {
    case GL_QUADS: state.renderer.draw(state, GL_TRIANGLES, quadsAsTriangles(state.vertices)); break;
    case GL_QUAD_STRIP: state.renderer.draw(state, GL_TRIANGLES, quadStripAsTriangles(state.vertices)); break;
    case GL_POLYGON: state.renderer.draw(state, GL_TRIANGLE_FAN, state.vertices); break;
    case GL_LINES:
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
        if (state.lineWidth > 1) {
            state.renderer.draw(state, GL_TRIANGLES, wideLinesAsTriangles(state, state.primitive, state.vertices));
            break;
        }
        [[fallthrough]];
    default: state.renderer.draw(state, state.primitive, state.vertices); break;
    }
    state.vertices.clear();
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    if (recordInList([=] { glVertex3f(x, y, z); })) return;
    State& state = current();
    emitVertex(state, {x, y, z, 1}, state.normal, state.color, state.texCoord);
}

void glVertex2i(GLint x, GLint y) { glVertex3f(static_cast<GLfloat>(x), static_cast<GLfloat>(y), 0); }

void glTexCoord2f(GLfloat s, GLfloat t) {
    if (recordInList([=] { glTexCoord2f(s, t); })) return;
    current().texCoord = {s, t};
}

void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    if (recordInList([=] { glNormal3f(x, y, z); })) return;
    current().normal = {x, y, z};
}

void glColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    if (recordInList([=] { glColor4f(red, green, blue, alpha); })) return;
    State& state = current();
    state.color = {red, green, blue, alpha};
    // With colour material on, the colour also becomes the tracked material's, and stays it.
    if (!state.enabled.colorMaterial) return;
    Material& material = state.material;
    switch (state.colorMaterialMode) {
    case GL_AMBIENT: material.ambient = state.color; break;
    case GL_DIFFUSE: material.diffuse = state.color; break;
    case GL_AMBIENT_AND_DIFFUSE: material.ambient = material.diffuse = state.color; break;
    case GL_SPECULAR: material.specular = state.color; break;
    case GL_EMISSION: material.emission = state.color; break;
    default: break;
    }
}

void glColor3f(GLfloat red, GLfloat green, GLfloat blue) { glColor4f(red, green, blue, 1); }

}  // namespace fixedgl
