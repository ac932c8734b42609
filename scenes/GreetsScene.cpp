#include "scenes/GreetsScene.h"

#include <cstring>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "scenes/SceneDrawing.h"

namespace {

constexpr float fadeRate = 0.0005f;  // per millisecond: a fade takes two seconds

GreetsScene::Data& greets = GreetsScene::data;

// How one picture is drawn: its texture, blending, and the wave of its sheet at time f (ms).
struct Layer {
    int textureId;
    GLenum sourceFactor;
    GLenum destinationFactor;
    float aRate;  // wave phases a = f * aRate, b = f * bRate
    float bRate;
    float amplitudeFactor;
};

constexpr Layer layers[GreetsScene::layerCount] = {
    {GreetsScene::paintingTextureId, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, 0.015f, 0.01f, 2.0f},
    {GreetsScene::greetingsTextureId, GL_SRC_ALPHA, GL_ONE, 0.1f, 0.05f, 1.0f},
    {GreetsScene::endCardTextureId, GL_SRC_ALPHA, GL_ONE, 0.1f, 0.05f, 1.0f},
};

float rampSince(int32_t t, int32_t startMs) { return static_cast<float>(t - startMs) * fadeRate; }

// Grid line n (0..9) on the sheet: n - 5, formed from single-precision 0.1, 10 and 5.
float gridCoordinate(int n) {
    return static_cast<float>(n * static_cast<double>(0.1f) * static_cast<double>(10.0f) - 5.0);
}

void setProjectionAndCamera() {
    pushPerspective();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(-0.5, 0, 12, -0.5, 0, 0, 0, 1, 0);
}

// A black quad over the whole view that keeps nine tenths of what is under it.
void drawBackdrop() {
    disableCap(GL_TEXTURE_2D);
    enableCap(GL_BLEND);
    glBlendFunc(GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA);
    disableCap(GL_DEPTH_TEST);
    glColor4f(0, 0, 0, 0.9f);
    glBegin(GL_QUADS);
    glVertex3f(-10, -10, 0);
    glVertex3f(10, -10, 0);
    glVertex3f(10, 10, 0);
    glVertex3f(-10, 10, 0);
    glEnd();
}

}  // namespace

GreetsScene::Data GreetsScene::data = {};

std::array<float, GreetsScene::layerCount> GreetsScene::opacitiesAt(int32_t t) {
    if (t < 2000) return {rampSince(t, 0), 0, 0};
    if (t < 4000) return {1, rampSince(t, 2000), 0};
    if (t <= 10000) return {1, 1, 0};
    if (t < 12000) return {1, 1 - rampSince(t, 10000), rampSince(t, 10000)};
    return {1, 0, 1};
}

void GreetsScene::buildWaveGrid(float a, float b, float k) {
    // The products are formed in double; only the stored coordinates are narrowed to float.
    constexpr double w = 0.01227184375;
    constexpr double step = 25.6f;
    for (int r = 0; r < gridSize; ++r) {
        const float y = gridCoordinate(r);
        const double rowFactor = std::sin((r * step + a) * w) * k;
        for (int j = 0; j < gridSize; ++j) {
            Vec3& v = greets.grid[r][j];
            v.x = gridCoordinate(j);
            v.y = y;
            v.z = static_cast<float>(std::cos((j * step + b) * w) * rowFactor * k);
        }
    }
}

void GreetsScene::drawWaveGrid() {
    constexpr float ninth = 1.0f / 9.0f;
    const auto corner = [](int r, int j) {
        const Vec3& v = greets.grid[r][j];
        glTexCoord2f(static_cast<float>(j) * ninth, static_cast<float>(r) * ninth);
        glVertex3f(v.x, v.y, v.z);
    };
    glBegin(GL_QUADS);
    for (int r = 0; r < gridSize - 1; ++r) {
        for (int j = 0; j < gridSize - 1; ++j) {
            corner(r, j);
            corner(r, j + 1);
            corner(r + 1, j + 1);
            corner(r + 1, j);
        }
    }
    glEnd();
}

bool GreetsScene::init(int32_t phase) {
    std::strcpy(name, "Greets & Stuff");
    if (phase != 0) return true;
    buildWaveGrid(0, 0, 0);
    for (const Layer& layer : layers) textures->requestTexture(layer.textureId, 0);
    return true;
}

bool GreetsScene::render(int32_t t) {
    const float f = static_cast<float>(t);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setProjectionAndCamera();
    drawBackdrop();

    enableCap(GL_TEXTURE_2D);
    disableCap(GL_LIGHTING);
    // Every layer is drawn, also while it is fully transparent.
    const std::array<float, layerCount> opacity = opacitiesAt(t);
    for (int i = 0; i < layerCount; ++i) {
        const Layer& layer = layers[i];
        textures->bindTexture(layer.textureId);
        glBlendFunc(layer.sourceFactor, layer.destinationFactor);
        glColor4f(1, 1, 1, opacity[i]);
        buildWaveGrid(f * layer.aRate, f * layer.bRate, layer.amplitudeFactor);
        drawWaveGrid();
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    return true;
}
