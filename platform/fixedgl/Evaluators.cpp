// Two-dimensional evaluators: Bezier patches given by control points, evaluated at single
// coordinates or over a grid as OpenGL 1.1 defines glEvalMesh2. An evaluated vertex takes its
// normal and texture coordinates from the maps when they are on, without making them current.
#include <array>

#include "platform/fixedgl/State.h"

namespace fixedgl {
namespace {

// The highest order Mesa takes, so that any map it draws draws here too.
constexpr int maxOrder = 30;

// The Bernstein polynomials of one order at t, and their derivatives in t; fixed arrays, since a
// mesh evaluates thousands of points a frame.
struct Basis {
    std::array<float, maxOrder> value{}, slope{};
};

Basis bernstein(int order, float t) {
    Basis basis;
    std::array<float, maxOrder>& b = basis.value;
    b[0] = 1;
    for (int degree = 1; degree < order; ++degree) {
        // The polynomials one degree short of the order give the slopes.
        if (degree == order - 1) {
            for (int k = 0; k < order; ++k) {
                const float left = k > 0 ? b[k - 1] : 0, right = k < degree ? b[k] : 0;
                basis.slope[k] = static_cast<float>(degree) * (left - right);
            }
        }
        // Raised a degree in place, from the top down.
        b[degree] = t * b[degree - 1];
        for (int k = degree - 1; k > 0; --k) b[k] = (1 - t) * b[k] + t * b[k - 1];
        b[0] = (1 - t) * b[0];
    }
    return basis;
}

// A map's value at (u, v) and its partial derivatives in the patch's own parameters.
struct Evaluated {
    std::array<float, 3> value{}, du{}, dv{};
};

Evaluated evaluate(const Map2& map, float u, float v) {
    const Basis bu = bernstein(map.uOrder, (u - map.u1) / (map.u2 - map.u1));
    const Basis bv = bernstein(map.vOrder, (v - map.v1) / (map.v2 - map.v1));
    Evaluated e;
    for (int j = 0; j < map.vOrder; ++j) {
        for (int i = 0; i < map.uOrder; ++i) {
            const GLfloat* point = &map.points[static_cast<size_t>((j * map.uOrder + i) * map.components)];
            for (int c = 0; c < map.components; ++c) {
                e.value[c] += bu.value[i] * bv.value[j] * point[c];
                e.du[c] += bu.slope[i] * bv.value[j] * point[c];
                e.dv[c] += bu.value[i] * bv.slope[j] * point[c];
            }
        }
    }
    return e;
}

Map2* mapFor(State& state, GLenum target) {
    if (target == GL_MAP2_VERTEX_3) return &state.evaluators.vertex3;
    if (target == GL_MAP2_TEXTURE_COORD_2) return &state.evaluators.textureCoord2;
    return nullptr;
}

// Runs `call` now, or records it in the display list being compiled.
template <typename Call>
void runOrRecord(Call call) {
    if (!recordInList(call)) call();
}

// The grid's coordinate at step i of n from c1 to c2; the last step lands exactly on c2.
float gridCoordinate(int i, int n, float c1, float c2) {
    return i == n ? c2 : static_cast<float>(i) * ((c2 - c1) / static_cast<float>(n)) + c1;
}

}  // namespace

void glMap2f(GLenum target, GLfloat u1, GLfloat u2, GLint uStride, GLint uOrder, GLfloat v1, GLfloat v2,
             GLint vStride, GLint vOrder, const GLfloat* points) {
    if (target != GL_MAP2_VERTEX_3 && target != GL_MAP2_TEXTURE_COORD_2) return;
    Map2 map{};
    map.components = target == GL_MAP2_VERTEX_3 ? 3 : 2;
    // What OpenGL rejects with an error leaves the map as it was.
    if (u1 == u2 || v1 == v2 || uOrder < 1 || uOrder > maxOrder || vOrder < 1 || vOrder > maxOrder ||
        uStride < map.components || vStride < map.components || points == nullptr)
        return;
    map.u1 = u1, map.u2 = u2, map.v1 = v1, map.v2 = v2;
    map.uOrder = uOrder, map.vOrder = vOrder;
    for (int j = 0; j < vOrder; ++j) {
        for (int i = 0; i < uOrder; ++i) {
            const GLfloat* point = points + i * uStride + j * vStride;
            map.points.insert(map.points.end(), point, point + map.components);
        }
    }
    runOrRecord([target, map] { *mapFor(current(), target) = map; });
}

void glMapGrid2f(GLint un, GLfloat u1, GLfloat u2, GLint vn, GLfloat v1, GLfloat v2) {
    if (un <= 0 || vn <= 0) return;
    runOrRecord([=] {
        Evaluators& e = current().evaluators;
        e.gridUn = un, e.gridU1 = u1, e.gridU2 = u2;
        e.gridVn = vn, e.gridV1 = v1, e.gridV2 = v2;
    });
}

void glEvalCoord2f(GLfloat u, GLfloat v) {
    runOrRecord([u, v] {
        State& state = current();
        if (!state.enabled.map2Vertex3) return;
        const Evaluated p = evaluate(state.evaluators.vertex3, u, v);
        std::array<float, 3> normal = state.normal;
        if (state.enabled.autoNormal) {
            // dP/du x dP/dv; the renderer scales it to unit length when GL_NORMALIZE is on.
            normal = {p.du[1] * p.dv[2] - p.du[2] * p.dv[1], p.du[2] * p.dv[0] - p.du[0] * p.dv[2],
                      p.du[0] * p.dv[1] - p.du[1] * p.dv[0]};
        }
        std::array<float, 2> texCoord = state.texCoord;
        if (state.enabled.map2TextureCoord2) {
            const Evaluated t = evaluate(state.evaluators.textureCoord2, u, v);
            texCoord = {t.value[0], t.value[1]};
        }
        emitVertex(state, {p.value[0], p.value[1], p.value[2], 1}, normal, state.color, texCoord);
    });
}

void glEvalMesh2(GLenum mode, GLint i1, GLint i2, GLint j1, GLint j2) {
    if (mode != GL_POINT && mode != GL_LINE && mode != GL_FILL) return;
    runOrRecord([=] {
        const Evaluators& e = current().evaluators;
        const auto point = [&e](int i, int j) {
            glEvalCoord2f(gridCoordinate(i, e.gridUn, e.gridU1, e.gridU2),
                          gridCoordinate(j, e.gridVn, e.gridV1, e.gridV2));
        };
        if (mode == GL_FILL) {
            for (int j = j1; j < j2; ++j) {
                glBegin(GL_QUAD_STRIP);
                for (int i = i1; i <= i2; ++i) {
                    point(i, j);
                    point(i, j + 1);
                }
                glEnd();
            }
        } else if (mode == GL_LINE) {
            for (int j = j1; j <= j2; ++j) {
                glBegin(GL_LINE_STRIP);
                for (int i = i1; i <= i2; ++i) point(i, j);
                glEnd();
            }
            for (int i = i1; i <= i2; ++i) {
                glBegin(GL_LINE_STRIP);
                for (int j = j1; j <= j2; ++j) point(i, j);
                glEnd();
            }
        } else {
            glBegin(GL_POINTS);
            for (int j = j1; j <= j2; ++j) {
                for (int i = i1; i <= i2; ++i) point(i, j);
            }
            glEnd();
        }
    });
}

}  // namespace fixedgl
