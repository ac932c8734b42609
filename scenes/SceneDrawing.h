#pragma once
// Drawing steps several scenes share.

// Pushes a 45-degree perspective of the current viewport (near 0.1, far 90) onto the projection
// stack; the matrix mode stays GL_PROJECTION.
void pushPerspective();

// A square of side 2 x halfSide around the origin in the z = 0 plane, facing the viewer, with the
// whole picture on it once, upright.
void drawFacingSquare(float halfSide);
