#include "platform/FramePresenter.h"

#include <cstring>

#include "platform/GL.h"

namespace {

// Framebuffer entry points of OpenGL 3.0 / ARB_framebuffer_object, looked up once per context.
struct FramebufferApi {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;

    bool load() {
        using platform::findGLFunction;
        return findGLFunction(genFramebuffers, "glGenFramebuffers") &&
               findGLFunction(deleteFramebuffers, "glDeleteFramebuffers") &&
               findGLFunction(bindFramebuffer, "glBindFramebuffer") &&
               findGLFunction(genRenderbuffers, "glGenRenderbuffers") &&
               findGLFunction(deleteRenderbuffers, "glDeleteRenderbuffers") &&
               findGLFunction(bindRenderbuffer, "glBindRenderbuffer") &&
               findGLFunction(renderbufferStorage, "glRenderbufferStorage") &&
               findGLFunction(framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
               findGLFunction(checkFramebufferStatus, "glCheckFramebufferStatus") &&
               findGLFunction(blitFramebuffer, "glBlitFramebuffer");
    }
};

FramebufferApi api;

// Entry points may be found on drivers that lack the extension; only a 3.0 context (OpenGL ES 3
// or later included) or the extension string makes them safe to call.
bool contextHasFramebuffers() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version != nullptr && std::strncmp(version, "OpenGL ES ", 10) == 0) version += 10;
    if (version != nullptr && version[0] >= '3' && version[0] <= '9' && version[1] == '.') return true;
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions != nullptr && std::strstr(extensions, "GL_ARB_framebuffer_object") != nullptr;
}

// Black for the bars, without disturbing the clear colour the scenes rely on.
void clearToBlack() {
    GLfloat previous[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, previous);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(previous[0], previous[1], previous[2], previous[3]);
}

}  // namespace

platform::Rect fitFrame(int frameWidth, int frameHeight, int areaWidth, int areaHeight) {
    // Compare the aspects in 64 bits: width * height of large areas passes 2^31.
    int width = areaWidth, height = areaHeight;
    if (int64_t{areaWidth} * frameHeight > int64_t{areaHeight} * frameWidth)
        width = static_cast<int>(int64_t{areaHeight} * frameWidth / frameHeight);
    else
        height = static_cast<int>(int64_t{areaWidth} * frameHeight / frameWidth);
    const int left = (areaWidth - width) / 2, bottom = (areaHeight - height) / 2;
    return {left, bottom, left + width, bottom + height};
}

void FramePresenter::attach(platform::DeviceHandle windowDevice) {
    device = windowDevice;
    attached = contextHasFramebuffers() && api.load();
}

void FramePresenter::detach() {
    deleteFramebuffer();
    attached = false;
    device = nullptr;
}

void FramePresenter::deleteFramebuffer() {
    if (framebuffer == 0) return;
    api.bindFramebuffer(GL_FRAMEBUFFER, platform::windowFramebuffer(device));
    api.deleteFramebuffers(1, &framebuffer);
    api.deleteRenderbuffers(1, &colorBuffer);
    api.deleteRenderbuffers(1, &depthBuffer);
    framebuffer = colorBuffer = depthBuffer = 0;
}

void FramePresenter::resize(int width, int height) {
    if (width <= 0 || height <= 0) return;
    frameWidth = width;
    frameHeight = height;
    if (!attached) return;
    deleteFramebuffer();
    api.genRenderbuffers(1, &colorBuffer);
    api.bindRenderbuffer(GL_RENDERBUFFER, colorBuffer);
    api.renderbufferStorage(GL_RENDERBUFFER, GL_RGB8, width, height);
    // 16 bits of depth, as the window's pixel format asks for.
    api.genRenderbuffers(1, &depthBuffer);
    api.bindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
    api.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
    api.genFramebuffers(1, &framebuffer);
    api.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    api.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colorBuffer);
    api.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
    if (api.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) deleteFramebuffer();
}

// glFlush first: on the fixed-function layer it draws what the layer holds back, which the
// framebuffer calls, from glProcAddress, pass by.
int FramePresenter::present() {
    glFlush();
    if (framebuffer == 0) return platform::swapBuffers(device);
    api.bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    api.bindFramebuffer(GL_DRAW_FRAMEBUFFER, platform::windowFramebuffer(device));
    int areaWidth = frameWidth, areaHeight = frameHeight;
    platform::drawableSize(device, areaWidth, areaHeight);
    const bool sameSize = areaWidth == frameWidth && areaHeight == frameHeight;
    const platform::Rect target = sameSize || areaWidth <= 0 || areaHeight <= 0
                                      ? platform::Rect{0, 0, frameWidth, frameHeight}
                                      : fitFrame(frameWidth, frameHeight, areaWidth, areaHeight);
    if (!sameSize) clearToBlack();
    api.blitFramebuffer(0, 0, frameWidth, frameHeight, target.left, target.top, target.right, target.bottom,
                        GL_COLOR_BUFFER_BIT, sameSize ? GL_NEAREST : GL_LINEAR);
    const int result = platform::swapBuffers(device);
    api.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    return result;
}

std::vector<uint8_t> FramePresenter::readPixels() const {
    std::vector<uint8_t> pixels(static_cast<size_t>(frameWidth) * frameHeight * 4);
    if (pixels.empty()) return pixels;
    glFlush();
    if (framebuffer != 0) api.bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, frameWidth, frameHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
