#include "scenes/CreditsScene.h"

#include <algorithm>
#include <cstring>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "scenes/SceneDrawing.h"

namespace {

constexpr int32_t shownMs = 10000;  // from the start of the fade-in to the start of the fade-out

}  // namespace

const CreditsScene::Panel CreditsScene::panels[panelCount] = {
    {103, 10000, -20.0f}, {105, 25000, -19.99f}, {104, 40000, -19.98f}};

float CreditsScene::angleAt(const Panel& panel, int32_t t) {
    return static_cast<float>(t - panel.startMs) * 0.002f;
}

float CreditsScene::opacityAt(const Panel& panel, int32_t t) {
    const int32_t sinceStart = t - panel.startMs;
    if (sinceStart <= 0) return 0.0f;
    if (sinceStart <= shownMs) return std::min(1.0f, static_cast<float>(sinceStart) * 0.0005f);
    return 1.0f - std::min(1.0f, static_cast<float>(sinceStart - shownMs) * 0.0005f);
}

bool CreditsScene::init(int32_t phase) {
    std::strcpy(name, "Credits");
    if (phase != 0) return true;
    for (const Panel& panel : panels) textures->requestTexture(panel.textureId, TextureRegistry::withAlpha);
    return true;
}

bool CreditsScene::render(int32_t t) {
    disableCap(GL_TEXTURE_2D);
    disableCap(GL_ALPHA_TEST);
    disableCap(GL_LIGHTING);
    disableCap(GL_LIGHT0);
    glDepthMask(GL_TRUE);
    enableCap(GL_DEPTH_TEST);
    glClear(GL_DEPTH_BUFFER_BIT);
    pushPerspective();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    // No depth test: the panels are blended in drawing order over the frame.
    disableCap(GL_DEPTH_TEST);
    enableCap(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (const Panel& panel : panels) {
        glColor4f(1, 1, 1, opacityAt(panel, t));
        enableCap(GL_TEXTURE_2D);
        textures->bindTexture(panel.textureId);
        glPushMatrix();
        glTranslatef(0, 0, panel.distance);
        const float angle = angleAt(panel, t);
        glRotatef(angle, 1, 0, 0);
        glRotatef(angle, 0, 1, 0);
        drawFacingSquare(8);
        glPopMatrix();
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    return true;
}
