#include "scenes/SceneDrawing.h"

#include "platform/GL.h"

void pushPerspective() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    GLfloat viewport[4];
    glGetFloatv(GL_VIEWPORT, viewport);
    gluPerspective(45.0, viewport[2] / viewport[3], 0.1f, 90.0);
}

void drawFacingSquare(float halfSide) {
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glTexCoord2f(1, 1);
    glVertex3f(halfSide, halfSide, 0);
    glTexCoord2f(0, 1);
    glVertex3f(-halfSide, halfSide, 0);
    glTexCoord2f(0, 0);
    glVertex3f(-halfSide, -halfSide, 0);
    glTexCoord2f(1, 0);
    glVertex3f(halfSide, -halfSide, 0);
    glEnd();
}
