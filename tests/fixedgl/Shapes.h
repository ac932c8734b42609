#pragma once
// GLU quadrics and evaluator meshes, drawn by Shapes.inc both on real OpenGL 1.1 with GLU
// (namespace real) and on the fixed-function layer (namespace layer).
struct Shape {
    enum Kind { Sphere, Cylinder, Teapot } kind;
    unsigned style;        // the GLU draw style; for the teapot, the glEvalMesh2 mode
    unsigned orientation;  // GLU_OUTSIDE or GLU_INSIDE
    unsigned normals;      // GLU_SMOOTH or GLU_FLAT under a light; GLU_NONE unlit
    bool textured;
};

namespace real {
void drawShape(const Shape& shape);
}
namespace layer {
void drawShape(const Shape& shape);
}
