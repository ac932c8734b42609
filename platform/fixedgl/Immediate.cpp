// glBegin/glEnd: vertices gather with the attributes current for each, and glEnd hands them to the
// renderer as a list of triangles, lines or points that gives the same picture, so that consecutive
// primitives can be drawn together. Quadrilaterals become two triangles each, split along the
// diagonal that ends at the quad's last vertex, as Mesa's fixed pipeline splits them. Strips and
// loops of lines become separate segments: OpenGL rasterises each segment of a strip as it does a
// lone one, so no pixel is drawn twice or dropped (the tests compare them with Mesa's strips).
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

// Triangle i of a fan or polygon is vertices 0, i+1, i+2.
std::vector<Vertex> fanAsTriangles(const std::vector<Vertex>& v) {
    std::vector<Vertex> triangles;
    for (size_t i = 1; i + 1 < v.size(); ++i) addTriangle(triangles, v[0], v[i], v[i + 1]);
    return triangles;
}

// Triangle i of a strip is vertices i, i+1, i+2, the first two swapped for odd i to keep the winding.
std::vector<Vertex> stripAsTriangles(const std::vector<Vertex>& v) {
    std::vector<Vertex> triangles;
    for (size_t i = 0; i + 2 < v.size(); ++i) {
        if (i % 2 == 0)
            addTriangle(triangles, v[i], v[i + 1], v[i + 2]);
        else
            addTriangle(triangles, v[i + 1], v[i], v[i + 2]);
    }
    return triangles;
}

// Segment i of a strip is vertices i, i+1; a loop closes with the last and the first.
std::vector<Vertex> stripAsLines(const std::vector<Vertex>& v, bool loop) {
    std::vector<Vertex> lines;
    for (size_t i = 0; i + 1 < v.size(); ++i) {
        lines.push_back(v[i]);
        lines.push_back(v[i + 1]);
    }
    if (loop && v.size() > 2) {
        lines.push_back(v.back());
        lines.push_back(v.front());
    }
    return lines;
}

// Drops the vertices of an unfinished last primitive, which would spoil the ones joined after it.
const std::vector<Vertex>& whole(std::vector<Vertex>& v, size_t perPrimitive) {
    v.resize(v.size() - v.size() % perPrimitive);
    return v;
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
    Renderer& renderer = state.renderer;
    std::vector<Vertex>& v = state.vertices;
    switch (state.primitive) {
    case GL_QUADS: renderer.draw(state, GL_TRIANGLES, quadsAsTriangles(v)); break;
    case GL_QUAD_STRIP: renderer.draw(state, GL_TRIANGLES, quadStripAsTriangles(v)); break;
    case GL_POLYGON:
    case GL_TRIANGLE_FAN: renderer.draw(state, GL_TRIANGLES, fanAsTriangles(v)); break;
    case GL_TRIANGLE_STRIP: renderer.draw(state, GL_TRIANGLES, stripAsTriangles(v)); break;
    case GL_TRIANGLES: renderer.draw(state, GL_TRIANGLES, whole(v, 3)); break;
    case GL_LINES:
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
        if (state.lineWidth > 1)
            renderer.draw(state, GL_TRIANGLES, wideLinesAsTriangles(state, state.primitive, v));
        else
            renderer.draw(state, GL_LINES,
                          state.primitive == GL_LINES ? whole(v, 2) : stripAsLines(v, state.primitive == GL_LINE_LOOP));
        break;
    default: renderer.draw(state, GL_POINTS, v); break;
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
