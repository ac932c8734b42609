// The drawings on real OpenGL 1.1 and GLU.
#include "platform/GL.h"
#define DRAWINGS real
#include "tests/fixedgl/Drawings.inc"
#include "tests/fixedgl/BatchDrawings.inc"
#include "tests/fixedgl/Shapes.inc"
