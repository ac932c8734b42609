#include "scenes/TestScene.h"

#include <cstring>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "scenes/TeapotPatches.h"

namespace {

// The whole picture on every patch.
const GLfloat textureNet[2][2][2] = {{{0, 0}, {1, 0}}, {{0, 1}, {1, 1}}};

// Evaluates a stored patch mirrored by the signs of x and y. A single mirror turns the winding of
// the patch round, so its columns are then taken in reverse to turn it back: every copy keeps the
// winding of the stored patch.
void evaluateMirrored(const int (&patch)[16], double xSign, double ySign, int grid, GLenum mode) {
    const bool reversed = xSign * ySign < 0;
    GLfloat net[4][4][3];
    for (int j = 0; j < 4; ++j) {
        for (int k = 0; k < 4; ++k) {
            const double* point = teapot::points[patch[j * 4 + (reversed ? 3 - k : k)]];
            net[j][k][0] = static_cast<GLfloat>(point[0] * xSign);
            net[j][k][1] = static_cast<GLfloat>(point[1] * ySign);
            net[j][k][2] = static_cast<GLfloat>(point[2]);
        }
    }
    glMap2f(GL_MAP2_VERTEX_3, 0, 1, 3, 4, 0, 1, 12, 4, &net[0][0][0]);
    glEvalMesh2(mode, 0, grid, 0, grid);
}

// The teapot centred on the origin, lid along +y, spout along +x, about 1.6 x size high: each
// stored patch and its mirror images, every one evaluated on a grid x grid mesh.
void drawTeapot(int grid, float size, GLenum mode) {
    glPushAttrib(GL_ENABLE_BIT | GL_EVAL_BIT | GL_POLYGON_BIT);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);
    glEnable(GL_MAP2_VERTEX_3);
    glEnable(GL_MAP2_TEXTURE_COORD_2);
    glPushMatrix();
    glRotatef(270, 1, 0, 0);
    const auto half = static_cast<float>(size * 0.5);
    glScalef(half, half, half);
    glTranslatef(0, 0, -1.5f);
    glMap2f(GL_MAP2_TEXTURE_COORD_2, 0, 1, 2, 2, 0, 1, 4, 2, &textureNet[0][0][0]);
    glMapGrid2f(grid, 0, 1, grid, 0, 1);
    for (int i = 0; i < teapot::patchCount; ++i) {
        evaluateMirrored(teapot::patches[i], 1, 1, grid, mode);
        evaluateMirrored(teapot::patches[i], 1, -1, grid, mode);
        if (i < teapot::quarterPatchCount) {
            evaluateMirrored(teapot::patches[i], -1, 1, grid, mode);
            evaluateMirrored(teapot::patches[i], -1, -1, grid, mode);
        }
    }
    glPopMatrix();
    glPopAttrib();
}

}  // namespace

TestScene::Angles TestScene::anglesAt(int32_t t) {
    const double td = t;
    return {static_cast<float>(td * 0.01f), static_cast<float>(td * 0.005f), static_cast<float>(td * 0.015f)};
}

bool TestScene::init(int32_t phase) {
    std::strcpy(name, "Test Scene");
    if (phase == 0) textures->requestTexture(textureId, 0);
    return true;
}

bool TestScene::render(int32_t t) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    disableCap(GL_LIGHTING);
    disableCap(GL_ALPHA_TEST);
    disableCap(GL_BLEND);
    enableCap(GL_DEPTH_TEST);
    enableCap(GL_TEXTURE_2D);
    // Through the registry, so that its record of the bound texture stays true for the next scene.
    textures->bindTexture(textureId);
    const Angles angles = anglesAt(t);
    glLoadIdentity();
    glTranslatef(0, 0, -50);
    glRotatef(angles.x, 1, 0, 0);
    glRotatef(angles.y, 0, 1, 0);
    glRotatef(angles.z, 0, 0, 1);
    glColor4f(1, 1, 1, 1);
    drawTeapot(14, 10, GL_FILL);
    return true;
}
