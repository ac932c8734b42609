#include "scenes/HelixScene.h"

#include <algorithm>
#include <cstring>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "scenes/SceneDrawing.h"

namespace {

constexpr int32_t fanInMs = 40000;       // over which the squares are counted in and fade in
constexpr int32_t finalFadeStartMs = 26500;  // from here only square 0 is left, fading out

HelixScene::Data& helix = HelixScene::data;

// Advances square m's angles to time tf, each stopping at its cap; true when all three stand at
// their caps.
bool turnSquare(int m, float tf) {
    helix.angleX[m] = std::min(tf * helix.speedX + helix.baseX[m], HelixScene::capX);
    helix.angleY[m] = std::min(tf * helix.speedY + helix.baseY[m], HelixScene::capY);
    helix.angleZ[m] = std::min(tf * helix.speedZ + helix.baseZ[m], HelixScene::capZ);
    return helix.angleX[m] == HelixScene::capX && helix.angleY[m] == HelixScene::capY &&
           helix.angleZ[m] == HelixScene::capZ;
}

// A square fades in from its start time; later squares take longer to become opaque.
float fadeInOpacity(int m, int32_t t) {
    const int32_t sinceStart = t - helix.fadeStartMs[m];
    if (sinceStart < 0) return 0.0f;
    return std::min(static_cast<float>(sinceStart) / static_cast<float>(helix.fadeStartMs[m] + fanInMs), 1.0f);
}

}  // namespace

HelixScene::Data HelixScene::data = {};

bool HelixScene::init(int32_t phase) {
    std::strcpy(name, "Helix");
    if (phase != 0) return true;
    textures->requestTexture(textureId, TextureRegistry::withAlpha);
    helix = {};
    helix.visibleCount = squareCount;
    helix.offset[2] = -2.0f;
    helix.speedX = 0.15f;
    helix.speedY = 0.1f;
    helix.speedZ = 0.05f;
    for (int m = 0; m < squareCount; ++m) {
        helix.baseX[m] = static_cast<float>(m) * 8.181818f;  // about 180 / 22: half a turn over the fan
        helix.fadeStartMs[m] = m * fanInMs / squareCount;
    }
    return true;
}

bool HelixScene::render(int32_t t) {
    const float tf = static_cast<float>(t);
    textures->bindTexture(textureId);
    enableCap(GL_TEXTURE_2D);
    enableCap(GL_BLEND);
    disableCap(GL_DEPTH_TEST);
    disableCap(GL_LIGHTING);

    // Square m is counted in once 22 t >= 40000 (m + 1).
    helix.visibleCount = t < fanInMs ? t * squareCount / fanInMs : squareCount;
    for (int m = 0; m < squareCount; ++m) {
        // Square 0 settles first; the squares after it in that frame keep the last frame's angles.
        if (!helix.settled && turnSquare(m, tf)) helix.settled = true;
        helix.opacity[m] = fadeInOpacity(m, t);
    }

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glLoadIdentity();
    glTranslatef(helix.offset[0], helix.offset[1], helix.offset[2]);
    if (t > finalFadeStartMs) {
        helix.visibleCount = 1;
        helix.opacity[0] = std::max(1.0f - (tf - 26500.0f) * 0.001f, 0.0f);
    }

    for (int m = 0; m < helix.visibleCount; ++m) {
        glPushMatrix();
        glColor4f(1, 1, 1, helix.opacity[m]);
        glRotatef(helix.angleX[m], 1, 0, 0);
        glRotatef(helix.angleY[m], 0, 1, 0);
        glRotatef(helix.angleZ[m], 0, 0, 1);
        drawFacingSquare(1);
        glPopMatrix();
    }
    return true;
}
