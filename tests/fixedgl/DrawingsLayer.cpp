// The drawings on the fixed-function layer.
#define TARVO_FIXED_GL
#include "platform/GL.h"
#define DRAWINGS layer
#include "tests/fixedgl/Drawings.inc"
#include "tests/fixedgl/BatchDrawings.inc"
#include "tests/fixedgl/Shapes.inc"
