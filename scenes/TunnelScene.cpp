#include "scenes/TunnelScene.h"

#include <algorithm>
#include <cstring>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"

namespace {

constexpr int segmentCount = TunnelScene::segmentCount;
constexpr int sideCount = TunnelScene::sideCount;
constexpr double sideStep = 1.2566368;  // one fifth of a turn, a little short of 2 pi / 5
constexpr int32_t widenStartMs = 39500;
constexpr int32_t fadeStartMs = 60000;

TunnelScene::Data& tunnel = TunnelScene::data;

Vec3 ringVertex(int n, float z) {
    Vec3 v;
    v.x = static_cast<float>(tunnel.radius * std::sin(n * sideStep));
    v.y = static_cast<float>(tunnel.radius * std::cos(n * sideStep));
    v.z = z;
    return v;
}

// The corners of face j (1..5) of a segment: near and far ring, vertices j mod 5 and j - 1.
struct Face {
    Vec3 n0, n1, f1, f0;
};

Face faceOf(int segment, int j) {
    const float far = tunnel.ringDepth[segment];
    const float near = far + tunnel.segmentLength;
    return {ringVertex(j % sideCount, near), ringVertex(j - 1, near), ringVertex(j - 1, far),
            ringVertex(j % sideCount, far)};
}

Vec3 normalOf(const Face& face) {
    const Vec3 u{face.n1.x - face.n0.x, face.n1.y - face.n0.y, face.n1.z - face.n0.z};
    const Vec3 v{face.f1.x - face.n0.x, face.f1.y - face.n0.y, face.f1.z - face.n0.z};
    Vec3 c{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
    const float length = std::sqrt(c.x * c.x + c.y * c.y + c.z * c.z);
    if (length != 0) c = {c.x / length, c.y / length, c.z / length};
    return c;
}

void vertex(const Vec3& v) { glVertex3f(v.x, v.y, v.z); }

void setProjection(int32_t t) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    GLfloat viewport[4];
    glGetFloatv(GL_VIEWPORT, viewport);
    const float aspect = viewport[2] / viewport[3];
    if (t < widenStartMs) {
        // The far plane cuts the last two segments off until the view widens.
        gluPerspective(45.0, aspect, 0.1f, 90.0 - 2 * tunnel.segmentLength);
        tunnel.lightAngle += 1.0f;
    } else {
        const float widening = static_cast<float>(t - widenStartMs) * 0.1f;
        tunnel.lightAngle = widening;
        gluPerspective(std::min(45.0f + widening, 150.0f), aspect, 0.1f, 90.0);
    }
}

void setLight(const GLfloat position[4]) {
    const GLfloat ambient[] = {0, 0, 0, 1};
    const GLfloat full[] = {1, 1, 1, 1};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, full);
    glLightfv(GL_LIGHT0, GL_SPECULAR, full);
    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 1.0f);
    glShadeModel(GL_SMOOTH);
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, position);
}

void drawFace(int segment, int j, float fade, float lineAlpha) {
    const Face face = faceOf(segment, j);
    glColor3f(fade, fade, fade);
    enableCap(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    const Vec3& normal = tunnel.faceNormals[segment][j - 1];
    glNormal3f(normal.x, normal.y, normal.z);
    glTexCoord2f(0, 0);
    vertex(face.n0);
    glTexCoord2f(1, 0);
    vertex(face.n1);
    glTexCoord2f(1, 1);
    vertex(face.f1);
    glTexCoord2f(0, 1);
    vertex(face.f0);
    glEnd();

    // The outline is drawn additively without depth test; the far edge three times over.
    disableCap(GL_TEXTURE_2D);
    disableCap(GL_DEPTH_TEST);
    enableCap(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glColor4f(0, 1, 0, lineAlpha);
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    const Vec3* lines[][2] = {{&face.f1, &face.n1}, {&face.f0, &face.n0}, {&face.n1, &face.n0},
                              {&face.f1, &face.f0}, {&face.f1, &face.f0}, {&face.f1, &face.f0}};
    for (const auto& line : lines) {
        vertex(*line[0]);
        vertex(*line[1]);
    }
    glEnd();
    glLineWidth(1.0f);
    disableCap(GL_BLEND);
}

// Moves the segments towards the viewer; one that is wholly behind the viewer goes back to the far end.
void scroll(float tf) {
    const float wrap = 90.0f - tunnel.segmentLength;
    for (int i = 0; i < segmentCount; ++i) {
        float g = tf * tunnel.scrollSpeed;
        while (g > wrap) g -= wrap;
        float d = g - static_cast<float>(i) * tunnel.segmentLength;
        if (d >= 0) d -= wrap;
        tunnel.ringDepth[i] = d;
    }
}

}  // namespace

TunnelScene::Data TunnelScene::data = {};

float TunnelScene::fadeAt(int32_t t) {
    return t <= fadeStartMs ? 1.0f : 1.0f - (static_cast<float>(t) - 60000.0f) * 0.0002f;
}

float TunnelScene::lineAlphaAt(int32_t t) {
    return static_cast<float>(std::fabs(sinDeg(static_cast<float>(t) * 0.05f)) * 0.33333334f * fadeAt(t));
}

bool TunnelScene::init(int32_t phase) {
    std::strcpy(name, "Tunnel");
    if (phase != 0) return true;
    textures->requestTexture(textureId, 0);
    tunnel.segmentLength = 10.0f;
    tunnel.radius = 2.0f;
    tunnel.scrollSpeed = 0.01f;
    for (int i = 0; i < segmentCount; ++i) tunnel.ringDepth[i] = -static_cast<float>(i * 10);
    for (int i = 0; i < segmentCount; ++i)
        for (int j = 1; j <= sideCount; ++j) tunnel.faceNormals[i][j - 1] = normalOf(faceOf(i, j));
    return true;
}

bool TunnelScene::render(int32_t t) {
    const float tf = static_cast<float>(t);
    setProjection(t);
    glMatrixMode(GL_MODELVIEW);
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    enableCap(GL_TEXTURE_2D);
    enableCap(GL_DEPTH_TEST);
    disableCap(GL_ALPHA_TEST);
    disableCap(GL_BLEND);
    enableCap(GL_LIGHTING);
    enableCap(GL_LIGHT0);
    glColor4f(1, 1, 1, 1);

    // The light circles the view axis at 1.5 units, in eye coordinates.
    const GLfloat lightPosition[] = {static_cast<float>(1.5 * cosDeg(tunnel.lightAngle)),
                                     static_cast<float>(1.5 * sinDeg(tunnel.lightAngle)), 0, 1};
    tunnel.lightAngle = tf * 0.1f;
    textures->bindTexture(textureId);
    setLight(lightPosition);
    glRotatef(tunnel.rollAngle, 0, 0, 1);
    tunnel.rollAngle = tf * 0.01f;

    const float fade = fadeAt(t);
    const float lineAlpha = lineAlphaAt(t);
    for (int i = 0; i < segmentCount; ++i)
        for (int j = 1; j <= sideCount; ++j) drawFace(i, j, fade, lineAlpha);
    disableCap(GL_LIGHT0);
    disableCap(GL_LIGHTING);
    scroll(tf);
    return true;
}
