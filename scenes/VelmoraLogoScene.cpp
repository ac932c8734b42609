#include "scenes/VelmoraLogoScene.h"

#include <algorithm>
#include <cstring>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "scenes/SceneDrawing.h"

namespace {

constexpr int32_t sharpFromMs = 1000;
constexpr int32_t sharpUntilMs = 7000;
constexpr int32_t goneAfterMs = 8000;
constexpr float widestSpread = 10.0f;

}  // namespace

float VelmoraLogoScene::spreadAt(int32_t t) {
    if (t < sharpFromMs) return std::min(widestSpread, widestSpread - static_cast<float>(t) * 0.01f);
    if (t <= sharpUntilMs) return 0;
    if (t <= goneAfterMs) return std::min(widestSpread, static_cast<float>(t - sharpUntilMs) * 0.01f);
    return widestSpread;
}

float VelmoraLogoScene::opacityAt(int32_t t) {
    if (t < sharpFromMs) return static_cast<float>(t) * 0.001f;
    if (t <= sharpUntilMs) return 1;
    if (t <= goneAfterMs) return 1 - static_cast<float>(t - sharpUntilMs) * 0.001f;
    return 0;
}

float VelmoraLogoScene::turnAt(int32_t t) { return static_cast<float>(t) * 0.01f - 50.0f; }

void VelmoraLogoScene::drawLogoQuad(float x, float alpha) {
    glPushMatrix();
    glTranslatef(x, 0, 0);
    glColor4f(1, 1, 1, alpha);
    drawFacingSquare(1);
    glPopMatrix();
}

void VelmoraLogoScene::drawSmear(float spread, float step, float alpha) {
    if (alpha == 0) return;
    if (spread == 0) {
        drawLogoQuad(0, alpha);
        return;
    }
    if (!(spread > 0)) return;
    // The copies together add up to about alpha.
    const float copyAlpha = alpha / (spread / step * 2);
    float g = 0;
    do {
        drawLogoQuad(g * -0.02f, copyAlpha);
        drawLogoQuad(g * 0.02f, copyAlpha);
        g += step;
    } while (g < spread);
}

bool VelmoraLogoScene::init(int32_t phase) {
    std::strcpy(name, "Velmora Logo");
    if (phase == 0) textures->requestTexture(logoTextureId, TextureRegistry::withAlpha);
    return true;
}

bool VelmoraLogoScene::render(int32_t t) {
    glLoadIdentity();
    gluLookAt(0, 0, 3, 0, 0, -2, 0, 1, 0);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    disableCap(GL_ALPHA_TEST);
    disableCap(GL_DEPTH_TEST);
    enableCap(GL_TEXTURE_2D);
    enableCap(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    textures->bindTexture(logoTextureId);
    glRotatef(turnAt(t), 0, 1, 0);
    drawSmear(spreadAt(t), smearStep, opacityAt(t));
    return true;
}
