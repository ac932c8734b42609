#include "scenes/FlowerPowerScene.h"

#include <algorithm>
#include <cstring>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "scenes/SceneDrawing.h"
#include "scenes/SceneRandom.h"

namespace {

constexpr int flowerCount = FlowerPowerScene::flowerCount;
constexpr int32_t releaseIntervalMs = 1000;

FlowerPowerScene::Data& scene = FlowerPowerScene::data;

// A coordinate in [-5, 4.9] in steps of 0.1.
float randomCoordinate() { return static_cast<float>(scenerandom::next() % 100) * 0.1f - 5.0f; }

// Every path runs away from the viewer, two units deeper per key, wandering at random in x and y.
// The generator is shared, so the order of the draws decides every path.
void buildFlowers() {
    for (int k = 0; k < flowerCount; ++k) {
        SplinePath& path = scene.paths[k];
        path.clear();
        for (int n = 0; n < FlowerPowerScene::keysPerPath; ++n) {
            const float x = randomCoordinate();
            const float y = randomCoordinate();
            path.addKey(x, y, static_cast<float>(-2 * n));
        }
        path.build();
        FlowerState& flower = scene.flowers[k];
        flower.progress = 0;
        flower.progressSpeed = 1.0f / 50000.0f;
        flower.active = 0;
        flower.angle = static_cast<float>(scenerandom::next() % 360);
        flower.angleSpeed = 0.1f;
        flower.launchMs = k * releaseIntervalMs;
    }
    scene.flowers[0].active = 1;
}

// The whole picture on a 2 x 2 square facing the viewer.
void drawPetal(float alpha) {
    glColor4f(1, 1, 1, alpha);
    drawFacingSquare(1);
}

// A flower is drawn from the frame after its release on; the oldest, farthest one first.
void drawFlowers(int32_t t) {
    const float tf = static_cast<float>(t);
    for (int k = 0; k < flowerCount; ++k) {
        FlowerState& flower = scene.flowers[k];
        if (!flower.active) {
            if (k > 0 && t >= flower.launchMs) flower.active = 1;
            continue;
        }
        glPushMatrix();
        const Vec3 p = scene.paths[k].pointAt(flower.progress);
        glTranslatef(p.x, p.y, p.z);
        glRotatef(flower.angle, 0, 0, 1);
        drawPetal(1.0f - flower.progress);
        glPopMatrix();
        flower.angle = tf * flower.angleSpeed;
        flower.progress = std::min(static_cast<float>(t - flower.launchMs) * flower.progressSpeed, 1.0f);
    }
}

}  // namespace

FlowerPowerScene::Data FlowerPowerScene::data;

FlowerPowerScene::Colour FlowerPowerScene::skyColourAt(int32_t t) {
    const float tf = static_cast<float>(t);
    return {std::max(1.0f - tf * 0.000074f, 0.26f), std::max(1.0f - tf * 0.000065f, 0.35f),
            std::max(1.0f - tf * 0.000048f, 0.52f)};
}

bool FlowerPowerScene::init(int32_t phase) {
    std::strcpy(name, "Flower Power!");
    if (phase != 0) return true;
    textures->requestTexture(textureId, TextureRegistry::withAlpha);
    buildFlowers();
    return true;
}

bool FlowerPowerScene::render(int32_t t) {
    glLoadIdentity();
    gluLookAt(0, 0, 0, 0, 0, -10, 0, 1, 0);  // the identity view: from the origin along -z
    scene.skyColour = skyColourAt(t);
    glClearColor(scene.skyColour.red, scene.skyColour.green, scene.skyColour.blue, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    disableCap(GL_LIGHTING);
    disableCap(GL_ALPHA_TEST);
    disableCap(GL_DEPTH_TEST);
    enableCap(GL_TEXTURE_2D);
    enableCap(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    textures->bindTexture(textureId);
    drawFlowers(t);
    return true;
}
