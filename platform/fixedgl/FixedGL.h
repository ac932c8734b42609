#pragma once
// The engine's OpenGL 1.1 and GLU on an OpenGL ES 3 context (WebGL 2 in the browser): every GL name
// the fixed-function layer handles becomes a call into it. The calls GLES 3 has with the same
// meaning go through the layer too where they change how the primitives it holds back would draw,
// or read or cover what they drew (glClear, glViewport, glBlendFunc, glReadPixels, glFlush ...);
// the others (glClearColor, glPixelStorei, glGenTextures, glGetIntegerv ...) stay GLES calls.
#include "platform/fixedgl/FixedGLApi.h"

#define glEnable fixedgl::glEnable
#define glDisable fixedgl::glDisable
#define glIsEnabled fixedgl::glIsEnabled
#define glPushAttrib fixedgl::glPushAttrib
#define glPopAttrib fixedgl::glPopAttrib
#define glShadeModel fixedgl::glShadeModel
#define glHint fixedgl::glHint
#define glClearDepth fixedgl::glClearDepth
#define glAlphaFunc fixedgl::glAlphaFunc
#define glLineWidth fixedgl::glLineWidth
#define glCullFace fixedgl::glCullFace
#define glFrontFace fixedgl::glFrontFace
#define glGetFloatv fixedgl::glGetFloatv
#define glBlendFunc fixedgl::glBlendFunc
#define glDepthFunc fixedgl::glDepthFunc
#define glDepthMask fixedgl::glDepthMask
#define glClear fixedgl::glClear
#define glViewport fixedgl::glViewport
#define glTexParameteri fixedgl::glTexParameteri
#define glTexParameterf fixedgl::glTexParameterf
#define glReadPixels fixedgl::glReadPixels
#define glFlush fixedgl::glFlush
#define glFinish fixedgl::glFinish
#define glBegin fixedgl::glBegin
#define glEnd fixedgl::glEnd
#define glVertex2i fixedgl::glVertex2i
#define glVertex3f fixedgl::glVertex3f
#define glTexCoord2f fixedgl::glTexCoord2f
#define glNormal3f fixedgl::glNormal3f
#define glColor3f fixedgl::glColor3f
#define glColor4f fixedgl::glColor4f
#define glMatrixMode fixedgl::glMatrixMode
#define glLoadIdentity fixedgl::glLoadIdentity
#define glPushMatrix fixedgl::glPushMatrix
#define glPopMatrix fixedgl::glPopMatrix
#define glMultMatrixf fixedgl::glMultMatrixf
#define glMultMatrixd fixedgl::glMultMatrixd
#define glRotatef fixedgl::glRotatef
#define glTranslatef fixedgl::glTranslatef
#define glTranslated fixedgl::glTranslated
#define glScalef fixedgl::glScalef
#define glOrtho fixedgl::glOrtho
#define gluPerspective fixedgl::gluPerspective
#define gluLookAt fixedgl::gluLookAt
#define glLightf fixedgl::glLightf
#define glLightfv fixedgl::glLightfv
#define glMateriali fixedgl::glMateriali
#define glMaterialfv fixedgl::glMaterialfv
#define glColorMaterial fixedgl::glColorMaterial
#define glBindTexture fixedgl::glBindTexture
#define glTexImage2D fixedgl::glTexImage2D
#define glGenLists fixedgl::glGenLists
#define glDeleteLists fixedgl::glDeleteLists
#define glNewList fixedgl::glNewList
#define glEndList fixedgl::glEndList
#define glCallList fixedgl::glCallList
#define glCallLists fixedgl::glCallLists
#define glListBase fixedgl::glListBase
#define glMap2f fixedgl::glMap2f
#define glMapGrid2f fixedgl::glMapGrid2f
#define glEvalCoord2f fixedgl::glEvalCoord2f
#define glEvalMesh2 fixedgl::glEvalMesh2
#define gluNewQuadric fixedgl::gluNewQuadric
#define gluDeleteQuadric fixedgl::gluDeleteQuadric
#define gluQuadricNormals fixedgl::gluQuadricNormals
#define gluQuadricTexture fixedgl::gluQuadricTexture
#define gluQuadricOrientation fixedgl::gluQuadricOrientation
#define gluQuadricDrawStyle fixedgl::gluQuadricDrawStyle
#define gluSphere fixedgl::gluSphere
#define gluCylinder fixedgl::gluCylinder
