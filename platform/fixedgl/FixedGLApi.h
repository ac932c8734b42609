#pragma once
// The fixed-function layer's entry points: the OpenGL 1.1 and GLU calls the engine makes, under
// their GL names in namespace fixedgl, implemented over OpenGL ES 3.0 shaders. GLES 3 supplies the
// types and every enum the two share; the ones only OpenGL 1.1 and GLU have are defined here with
// their values from gl.h and glu.h.
#include <GLES3/gl3.h>

typedef double GLdouble;
typedef double GLclampd;

// Primitives.
#define GL_QUADS 0x0007
#define GL_QUAD_STRIP 0x0008
#define GL_POLYGON 0x0009
// Matrices.
#define GL_MODELVIEW 0x1700
#define GL_PROJECTION 0x1701
#define GL_MODELVIEW_MATRIX 0x0BA6
#define GL_PROJECTION_MATRIX 0x0BA7
#define GL_CURRENT_COLOR 0x0B00
// Capabilities.
#define GL_LIGHTING 0x0B50
#define GL_LIGHT0 0x4000
#define GL_LIGHT1 0x4001
#define GL_COLOR_MATERIAL 0x0B57
#define GL_NORMALIZE 0x0BA1
#define GL_ALPHA_TEST 0x0BC0
#define GL_AUTO_NORMAL 0x0D80
#define GL_MAP2_TEXTURE_COORD_2 0x0DB4
#define GL_MAP2_VERTEX_3 0x0DB7
#define GL_MAX_LIGHTS 0x0D31
// Lights and materials.
#define GL_AMBIENT 0x1200
#define GL_DIFFUSE 0x1201
#define GL_SPECULAR 0x1202
#define GL_POSITION 0x1203
#define GL_CONSTANT_ATTENUATION 0x1207
#define GL_LINEAR_ATTENUATION 0x1208
#define GL_QUADRATIC_ATTENUATION 0x1209
#define GL_EMISSION 0x1600
#define GL_SHININESS 0x1601
#define GL_AMBIENT_AND_DIFFUSE 0x1602
#define GL_LIGHT_MODEL_AMBIENT 0x0B53
#define GL_FLAT 0x1D00
#define GL_SMOOTH 0x1D01
// Hints, textures, polygons.
#define GL_PERSPECTIVE_CORRECTION_HINT 0x0C50
#define GL_CLAMP 0x2900
#define GL_POINT 0x1B00
#define GL_LINE 0x1B01
#define GL_FILL 0x1B02
// Display lists.
#define GL_COMPILE 0x1300
#define GL_COMPILE_AND_EXECUTE 0x1301
// Attribute groups.
#define GL_CURRENT_BIT 0x00000001
#define GL_POLYGON_BIT 0x00000008
#define GL_LIGHTING_BIT 0x00000040
#define GL_ENABLE_BIT 0x00002000
#define GL_EVAL_BIT 0x00010000
// GLU.
#define GLU_SMOOTH 100000
#define GLU_FLAT 100001
#define GLU_NONE 100002
#define GLU_POINT 100010
#define GLU_LINE 100011
#define GLU_FILL 100012
#define GLU_SILHOUETTE 100013
#define GLU_OUTSIDE 100020
#define GLU_INSIDE 100021

namespace fixedgl {

struct Quadric;

// Capabilities, attributes and per-fragment state.
void glEnable(GLenum capability);
void glDisable(GLenum capability);
GLboolean glIsEnabled(GLenum capability);
void glPushAttrib(GLbitfield mask);
void glPopAttrib();
void glShadeModel(GLenum mode);
void glHint(GLenum target, GLenum mode);
void glClearDepth(GLclampd depth);
void glAlphaFunc(GLenum function, GLclampf reference);
void glLineWidth(GLfloat width);
void glCullFace(GLenum face);
void glFrontFace(GLenum direction);
void glGetFloatv(GLenum name, GLfloat* values);

// GLES's own calls, made through the layer: it draws the primitives it holds back first.
void glBlendFunc(GLenum source, GLenum destination);
void glDepthFunc(GLenum function);
void glDepthMask(GLboolean write);
void glClear(GLbitfield mask);
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height);
void glTexParameteri(GLenum target, GLenum name, GLint value);
void glTexParameterf(GLenum target, GLenum name, GLfloat value);
void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, void* pixels);
void glFlush();
void glFinish();

// Immediate mode.
void glBegin(GLenum mode);
void glEnd();
void glVertex2i(GLint x, GLint y);
void glVertex3f(GLfloat x, GLfloat y, GLfloat z);
void glTexCoord2f(GLfloat s, GLfloat t);
void glNormal3f(GLfloat x, GLfloat y, GLfloat z);
void glColor3f(GLfloat red, GLfloat green, GLfloat blue);
void glColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);

// Matrix stacks.
void glMatrixMode(GLenum mode);
void glLoadIdentity();
void glPushMatrix();
void glPopMatrix();
void glMultMatrixf(const GLfloat* matrix);
void glMultMatrixd(const GLdouble* matrix);
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
void glTranslatef(GLfloat x, GLfloat y, GLfloat z);
void glTranslated(GLdouble x, GLdouble y, GLdouble z);
void glScalef(GLfloat x, GLfloat y, GLfloat z);
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar);
void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar);
void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY, GLdouble centerZ,
               GLdouble upX, GLdouble upY, GLdouble upZ);

// Lighting.
void glLightf(GLenum light, GLenum name, GLfloat value);
void glLightfv(GLenum light, GLenum name, const GLfloat* values);
void glMateriali(GLenum face, GLenum name, GLint value);
void glMaterialfv(GLenum face, GLenum name, const GLfloat* values);
void glColorMaterial(GLenum face, GLenum mode);

// Textures: OpenGL 1.1 takes an RGB internal format for RGBA data, GLES 3 does not. The binding is
// kept, so that drawing knows the bound texture without asking GL.
void glBindTexture(GLenum target, GLuint texture);
void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                  GLenum format, GLenum type, const void* pixels);

// Display lists.
GLuint glGenLists(GLsizei range);
void glDeleteLists(GLuint list, GLsizei range);
void glNewList(GLuint list, GLenum mode);
void glEndList();
void glCallList(GLuint list);
void glCallLists(GLsizei count, GLenum type, const void* lists);
void glListBase(GLuint base);

// Evaluators.
void glMap2f(GLenum target, GLfloat u1, GLfloat u2, GLint uStride, GLint uOrder, GLfloat v1, GLfloat v2,
             GLint vStride, GLint vOrder, const GLfloat* points);
void glMapGrid2f(GLint un, GLfloat u1, GLfloat u2, GLint vn, GLfloat v1, GLfloat v2);
void glEvalCoord2f(GLfloat u, GLfloat v);
void glEvalMesh2(GLenum mode, GLint i1, GLint i2, GLint j1, GLint j2);

// GLU quadrics.
Quadric* gluNewQuadric();
void gluDeleteQuadric(Quadric* quadric);
void gluQuadricNormals(Quadric* quadric, GLenum normals);
void gluQuadricTexture(Quadric* quadric, GLboolean textureCoords);
void gluQuadricOrientation(Quadric* quadric, GLenum orientation);
void gluQuadricDrawStyle(Quadric* quadric, GLenum drawStyle);
void gluSphere(Quadric* quadric, GLdouble radius, GLint slices, GLint stacks);
void gluCylinder(Quadric* quadric, GLdouble base, GLdouble top, GLdouble height, GLint slices, GLint stacks);

}  // namespace fixedgl

typedef fixedgl::Quadric GLUquadric;
typedef fixedgl::Quadric GLUquadricObj;
