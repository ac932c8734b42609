#pragma once
// OpenGL 1.1 and GLU as the engine uses them; later entry points come through
// platform::glProcAddress, typed by glext.h (gl3.h on the fixed-function layer).
#if defined(TARVO_FIXED_GL)
// The browser build, and the tests that compare the layer with real OpenGL: the engine's calls go to
// the project's own fixed-function layer over OpenGL ES 3.
#include "platform/fixedgl/FixedGL.h"
#else
#ifdef _WIN32
// Windows' gl.h includes windows.h unless these are set, and the engine must not see its macros
// (WM_SIZE and the others of WindowMessages.h, near, far). The values are windows.h's own.
#ifndef APIENTRY
#define APIENTRY __stdcall
#endif
#ifndef WINGDIAPI
#define WINGDIAPI __declspec(dllimport)
#endif
#ifndef CALLBACK
#define CALLBACK __stdcall
#endif
#endif
#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glext.h>
#endif
