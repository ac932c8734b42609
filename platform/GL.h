#pragma once
// OpenGL 1.1 and GLU as the engine uses them; later entry points come through
// platform::glProcAddress.
#include <GL/gl.h>
#include <GL/glu.h>
