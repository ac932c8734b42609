#include "scenes/LightballScene.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "scenes/SceneDrawing.h"

namespace {

constexpr int32_t opacityFadeStartMs = 10000;
constexpr int32_t brightenStartMs = 5000;
constexpr int32_t darkenStartMs = 55000;
constexpr int32_t flyOutStartMs = 65000;
constexpr float nearestDistance = -20.0f;
constexpr float furthestDistance = 30.0f;

struct QuadricDeleter {
    void operator()(GLUquadric* quadric) const { gluDeleteQuadric(quadric); }
};
using Quadric = std::unique_ptr<GLUquadric, QuadricDeleter>;

Quadric newQuadric() {
    Quadric quadric(gluNewQuadric());
    if (quadric) {
        gluQuadricNormals(quadric.get(), GLU_SMOOTH);
        gluQuadricTexture(quadric.get(), GL_TRUE);
    }
    return quadric;
}

// Degrees about x, then y, then z.
struct Turn {
    float x, y, z;
};

void rotate(const Turn& turn) {
    glRotatef(turn.x, 1, 0, 0);
    glRotatef(turn.y, 0, 1, 0);
    glRotatef(turn.z, 0, 0, 1);
}

// A positional light at the formation's centre, weakened to a fifth.
void placeLight(float distance) {
    const GLfloat ambient[] = {0, 0, 0, 1};
    const GLfloat diffuse[] = {1, 1, 1, 1};
    const GLfloat position[] = {0, 0, 0, 1};
    glPushMatrix();
    glTranslatef(0, 0, distance);
    enableCap(GL_LIGHTING);
    enableCap(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 5.0f);
    glPopMatrix();
}

// The sphere around the viewer, facing inwards, in the current colour: its alpha says how much
// of the previous frame it covers.
void drawEnvironment(GLUquadric* quadric, TextureRegistry& textures, const Turn& turn) {
    disableCap(GL_DEPTH_TEST);
    enableCap(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    enableCap(GL_TEXTURE_2D);
    textures.bindTexture(LightballScene::textureId);
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricOrientation(quadric, GLU_INSIDE);
    glPushMatrix();
    rotate(turn);
    gluSphere(quadric, 70.0, 32, 32);
    glPopMatrix();
    disableCap(GL_BLEND);
    disableCap(GL_TEXTURE_2D);
}

// A four-sided cone from a point at the ball's centre along its local z axis; the far plane cuts
// it off long before its end.
void drawBeam(GLUquadric* quadric) { gluCylinder(quadric, 0.001f, 50.0, 500.0, 4, 1); }

// Beams along +z, -y, -z and +y (quarter turns about x), then +x and -x.
void drawBeams(GLUquadric* quadric) {
    glPushMatrix();
    drawBeam(quadric);
    for (int i = 0; i < 3; ++i) {
        glRotatef(90, 1, 0, 0);
        drawBeam(quadric);
    }
    glPopMatrix();
    glPushMatrix();
    glRotatef(90, 0, 1, 0);
    drawBeam(quadric);
    glRotatef(180, 0, 1, 0);
    drawBeam(quadric);
    glPopMatrix();
}

// One ball in its own turning frame. Its parts are added to the picture and tested against the
// depth left in the buffer without writing it, so they never hide one another.
void drawBall(GLUquadric* quadric, TextureRegistry& textures, float pulse, float brightness) {
    gluQuadricOrientation(quadric, GLU_OUTSIDE);
    glDepthMask(GL_FALSE);
    enableCap(GL_DEPTH_TEST);
    gluQuadricTexture(quadric, GL_TRUE);
    enableCap(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glColor4f(1, 1, 1, 0.9f);
    enableCap(GL_TEXTURE_2D);
    textures.bindTexture(LightballScene::textureId);
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluSphere(quadric, 1.3f, 32, 8);

    disableCap(GL_TEXTURE_2D);
    gluQuadricTexture(quadric, GL_FALSE);
    glColor4f(1, 1, 1, pulse);
    gluQuadricDrawStyle(quadric, GLU_SILHOUETTE);
    gluSphere(quadric, 1.5, 32, 8);

    gluQuadricDrawStyle(quadric, GLU_FILL);
    glColor4f(1, 1, 1, brightness * 0.1f);
    gluQuadricOrientation(quadric, GLU_INSIDE);
    drawBeams(quadric);
}

}  // namespace

const Vec3 LightballScene::formation[ballCount] = {{0, 0, -10}, {0, 0, 10}, {10, 0, 0},
                                                   {-10, 0, 0}, {0, 10, 0}, {0, -10, 0}};

float LightballScene::environmentOpacityAt(int32_t t) {
    if (t <= opacityFadeStartMs) return 1.0f;
    return std::max(0.1f, 1.0f - static_cast<float>(t - opacityFadeStartMs) * 0.00004f);
}

float LightballScene::brightnessAt(int32_t t) {
    if (t <= brightenStartMs) return 0.0f;
    if (t <= darkenStartMs) return std::min(1.0f, static_cast<float>(t - brightenStartMs) * 0.0001f);
    return 1.0f - std::min(1.0f, static_cast<float>(t - darkenStartMs) * 0.0001f);
}

float LightballScene::formationDistanceAt(int32_t t) {
    float z = std::max(nearestDistance, furthestDistance - static_cast<float>(t) * 0.01f);
    if (t > flyOutStartMs) z = static_cast<float>(t - flyOutStartMs) * 0.01f + nearestDistance;
    return std::min(z, furthestDistance);
}

float LightballScene::pulseAt(int32_t t) {
    return static_cast<float>(std::fabs(sinDeg(static_cast<float>(t) * 0.05f)));
}

bool LightballScene::init(int32_t phase) {
    std::strcpy(name, "Lightball");
    if (phase == 0) textures->requestTexture(textureId, 0);
    return true;
}

bool LightballScene::render(int32_t t) {
    const Quadric ball = newQuadric();
    const Quadric environment = newQuadric();
    if (!ball || !environment) return true;  // out of memory: skip the frame rather than crash

    disableCap(GL_TEXTURE_2D);
    disableCap(GL_ALPHA_TEST);
    disableCap(GL_LIGHTING);
    disableCap(GL_LIGHT0);
    glDepthMask(GL_TRUE);
    enableCap(GL_DEPTH_TEST);
    pushPerspective();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    const float brightness = brightnessAt(t);
    glColor4f(brightness, brightness, brightness, environmentOpacityAt(t));
    const float distance = formationDistanceAt(t);
    const float f = static_cast<float>(t);
    const Turn spin = {f * 0.01f, f * 0.02f, f * 0.03f};
    placeLight(distance);
    drawEnvironment(environment.get(), *textures, {f * 0.02f, f * 0.03f, f * 0.05f});

    // The formation turns about its centre, and each ball about its own by the same angles.
    const float pulse = pulseAt(t);
    for (const Vec3& offset : formation) {
        glLoadIdentity();
        glTranslatef(0, 0, distance);
        rotate(spin);
        glTranslatef(offset.x, offset.y, offset.z);
        rotate(spin);
        drawBall(ball.get(), *textures, pulse, brightness);
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    disableCap(GL_LIGHT0);
    return true;
}
