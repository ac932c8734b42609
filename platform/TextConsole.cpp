#include "platform/TextConsole.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/GL.h"
#include "platform/GLStateCache.h"

namespace {

constexpr int virtualWidth = 640;
constexpr int virtualHeight = 480;
constexpr int glyphSize = 16;
constexpr int glyphAdvance = 12;
constexpr float cellSpan = 0.0625f;  // one cell of the 16 x 16 grid in texture coordinates

// vsnprintf cuts at the buffer's end and always terminates.
void format(char (&buffer)[256], const char* format, va_list args) { std::vsnprintf(buffer, sizeof buffer, format, args); }

GLuint boundTexture() {
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return static_cast<GLuint>(name);
}

void compileGlyph(GLuint list, int code) {
    const float cx = static_cast<float>(code % 16) * cellSpan;
    const float cy = static_cast<float>(code / 16) * cellSpan;
    glNewList(list, GL_COMPILE);
    glBegin(GL_QUADS);
    glTexCoord2f(cx, 1 - cy);
    glVertex2i(0, 0);
    glTexCoord2f(cx + cellSpan, 1 - cy);
    glVertex2i(glyphSize, 0);
    glTexCoord2f(cx + cellSpan, 1 - cy - cellSpan);
    glVertex2i(glyphSize, glyphSize);
    glTexCoord2f(cx, 1 - cy - cellSpan);
    glVertex2i(0, glyphSize);
    glEnd();
    glTranslated(glyphAdvance, 0, 0);
    glEndList();
}

}  // namespace

TextConsole::~TextConsole() {
    dropQueue();
    freeImage(fontImage);
}

void TextConsole::loadFont() {
    freeImage(fontImage);
    fontImage = loadTgaResource(fontResourceId);
    if (fontImage != nullptr) {
        // The stored picture is white on black with no alpha: the red value becomes the alpha of
        // a white texel, so the glyphs take the current colour and the alpha test cuts them out.
        const size_t count = static_cast<size_t>(fontImage->width) * fontImage->height;
        for (size_t i = 0; i < count; ++i) fontImage->pixels[i] = (fontImage->pixels[i] << 24) | 0xFFFFFFu;
    }
    debug = false;
    listBase = 0;
    loaded = true;
}

void TextConsole::buildFont() {
    if (!loaded) loadFont();
    if (fontImage == nullptr) return;
    glGenTextures(1, &fontTexture);
    listBase = static_cast<int32_t>(glGenLists(256));
    const GLuint previous = boundTexture();
    glBindTexture(GL_TEXTURE_2D, fontTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, fontImage->width, fontImage->height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 fontImage->pixels);
    for (int code = 0; code < 256; ++code) compileGlyph(static_cast<GLuint>(listBase + code), code);
    glBindTexture(GL_TEXTURE_2D, previous);
}

void TextConsole::dropQueue() {
    if (queue == nullptr) return;
    for (PtrNode* node = queue->head; node != nullptr; node = node->next) delete static_cast<QueuedLine*>(node->data);
    delete queue;
    queue = nullptr;
}

void TextConsole::releaseFont() {
    if (!loaded) return;
    dropQueue();
    // Lists exist only once buildFont has made them in this context.
    if (listBase > 0) glDeleteLists(static_cast<GLuint>(listBase), 256);
    listBase = -1;
}

void TextConsole::shutdown() {
    if (!loaded) return;
    releaseFont();
    freeImage(fontImage);
    fontImage = nullptr;
    loaded = false;
}

void TextConsole::drawLine(int32_t x, int32_t y, const char* text) {
    // Without glyph lists (no font) there is nothing to draw.
    if (listBase <= 0) return;
    disableCap(GL_LIGHTING);
    disableCap(GL_DEPTH_TEST);
    disableCap(GL_BLEND);
    enableCap(GL_ALPHA_TEST);
    glAlphaFunc(GL_GEQUAL, 0.3f);
    enableCap(GL_TEXTURE_2D);
    const GLuint previous = boundTexture();
    glBindTexture(GL_TEXTURE_2D, fontTexture);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, virtualWidth, virtualHeight, 0, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, y, 0);
    glListBase(static_cast<GLuint>(listBase));
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    disableCap(GL_ALPHA_TEST);
    glBindTexture(GL_TEXTURE_2D, previous);
}

void TextConsole::drawText(int32_t x, int32_t y, const char* text, ...) {
    if (text == nullptr) return;
    char line[256];
    va_list args;
    va_start(args, text);
    format(line, text, args);
    va_end(args);
    drawLine(x, y, line);
}

void TextConsole::queueLine(int32_t x, int32_t y, float r, float g, float b, const char* text, ...) {
    if (!loaded) loadFont();
    if (queue == nullptr) queue = new PtrList;
    if (text == nullptr) return;
    QueuedLine* line = new QueuedLine{x, y, r, g, b, {}};
    va_list args;
    va_start(args, text);
    format(line->text, text, args);
    va_end(args);
    queue->append(line);
}

void TextConsole::setStatus(const char* text, ...) {
    if (text == nullptr) return;
    char status[256];
    va_list args;
    va_start(args, text);
    format(status, text, args);
    va_end(args);
    if (std::strcmp(status, statusText) != 0) statusFrames = statusDuration;
    std::memcpy(statusText, status, sizeof statusText);
}

void TextConsole::flush() {
    if (!loaded) loadFont();
    if (queue == nullptr) return;
    if (statusFrames != 0) {
        glLoadIdentity();
        glColor3f(1, 1, 1);
        drawLine(0, virtualHeight - glyphSize, statusText);
        --statusFrames;
    }
    if (debug) {
        for (PtrNode* node = queue->head; node != nullptr; node = node->next) {
            const QueuedLine* line = static_cast<QueuedLine*>(node->data);
            glLoadIdentity();
            glColor3f(line->r, line->g, line->b);
            drawLine(line->x, line->y, line->text);
        }
    }
    dropQueue();
}
