#include "scenes/FlaresScene.h"

#include <cstring>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "scenes/SceneDrawing.h"
#include "scenes/SceneRandom.h"

namespace {

constexpr int gridSize = FlaresScene::gridSize;
constexpr int32_t fadeStartMs = 25500;
constexpr float nearestDistance = -5.0f;  // where the cube stops, with the viewer inside it

FlaresScene::Data& flares = FlaresScene::data;

// Centre of grid cell c (0..5) on one axis: -5, -3, ... 5.
float cellCentre(int c) { return (static_cast<float>(c - gridSize / 2) + 0.5f) * 2.0f; }

}  // namespace

FlaresScene::Data FlaresScene::data = {};

float FlaresScene::fadeAt(int32_t t) {
    return t <= fadeStartMs ? 1.0f : 1.0f - (static_cast<float>(t) - 25500.0f) * 0.0002f;
}

float FlaresScene::spinSpeedOf(int r) {
    const int remainder = r % 100;
    return 1.0f / static_cast<float>(remainder == 0 ? 100 : remainder);
}

bool FlaresScene::init(int32_t phase) {
    std::strcpy(name, "Flares");
    if (phase != 0) return true;
    textures->requestTexture(textureId, 0);
    for (int n = 0; n < flareCount; ++n) {
        flares.spinAngle[n] = 0;
        flares.spinSpeed[n] = spinSpeedOf(scenerandom::next());
    }
    return true;
}

bool FlaresScene::render(int32_t t) {
    const float tf = static_cast<float>(t);
    disableCap(GL_LIGHTING);
    disableCap(GL_DEPTH_TEST);
    disableCap(GL_ALPHA_TEST);
    enableCap(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    enableCap(GL_TEXTURE_2D);
    textures->bindTexture(textureId);
    glColor4f(1, 1, 1, 1);

    const float fade = fadeAt(t);
    flares.groupAngleX = tf * 0.01f;
    flares.groupAngleY = tf * 0.005f;
    flares.groupAngleZ = tf * 0.015f;
    // From 12 units behind the viewer at one unit per second.
    flares.gridDistance = tf * -0.001f + 12.0f;
    if (flares.gridDistance < nearestDistance) flares.gridDistance = nearestDistance;

    glLoadIdentity();
    glTranslatef(0, 0, flares.gridDistance);
    glRotatef(flares.groupAngleX, 1, 0, 0);
    glRotatef(flares.groupAngleY, 0, 1, 0);
    glRotatef(flares.groupAngleZ, 0, 0, 1);
    glColor4f(1, 1, 0, fade);

    int n = 0;
    for (int k = 0; k < gridSize; ++k)
        for (int j = 0; j < gridSize; ++j)
            for (int i = 0; i < gridSize; ++i, ++n) {
                glPushMatrix();
                glTranslatef(cellCentre(i), cellCentre(j), cellCentre(k));
                // Undo the cube's tumble in reverse order so that the sprite lies parallel to the screen.
                glRotatef(-flares.groupAngleZ, 0, 0, 1);
                glRotatef(-flares.groupAngleY, 0, 1, 0);
                glRotatef(-flares.groupAngleX, 1, 0, 0);
                glRotatef(flares.spinAngle[n], 0, 0, 1);
                drawFacingSquare(1);
                glPopMatrix();
            }

    // The spins the next frame draws with.
    for (int i = 0; i < flareCount; ++i) flares.spinAngle[i] = tf * flares.spinSpeed[i];
    return true;
}
