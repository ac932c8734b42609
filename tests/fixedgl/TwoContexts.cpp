#include "tests/fixedgl/TwoContexts.h"

#define GL_GLEXT_PROTOTYPES
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/fixedgl/FixedGLContext.h"
#include "tests/support/FrameDifference.h"
#include "tools/png/PngFile.h"

namespace twocontexts {

namespace {

EGLDisplay display() {
    static const EGLDisplay instance = [] {
        const auto getPlatformDisplay =
            reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
        const EGLDisplay opened = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (!eglInitialize(opened, nullptr, nullptr)) std::abort();
        return opened;
    }();
    return instance;
}

EGLContext createContext(Gl gl) {
    if (gl == Gl::Real) {
        eglBindAPI(EGL_OPENGL_API);
        const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                     EGL_NONE};
        return eglCreateContext(display(), EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
    }
    eglBindAPI(EGL_OPENGL_ES_API);
    const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_NONE};
    return eglCreateContext(display(), EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
}

GLuint renderbuffer(GLenum format) {
    GLuint name = 0;
    glGenRenderbuffers(1, &name);
    glBindRenderbuffer(GL_RENDERBUFFER, name);
    glRenderbufferStorage(GL_RENDERBUFFER, format, size, size);
    return name;
}

}  // namespace

std::vector<uint8_t> render(Gl gl, const std::function<void()>& draw) {
    const EGLContext context = createContext(gl);
    if (context == EGL_NO_CONTEXT || !eglMakeCurrent(display(), EGL_NO_SURFACE, EGL_NO_SURFACE, context)) std::abort();
    fixedgl::State* layer = gl == Gl::Layer ? fixedgl::createState() : nullptr;
    fixedgl::makeStateCurrent(layer);

    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffer(GL_RGB8));
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, renderbuffer(GL_DEPTH_COMPONENT16));
    glViewport(0, 0, size, size);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    draw();
    if (layer != nullptr) fixedgl::flushBatch();

    std::vector<uint8_t> pixels(static_cast<size_t>(size) * size * 4);
    glReadPixels(0, 0, size, size, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    fixedgl::makeStateCurrent(nullptr);
    fixedgl::deleteState(layer);
    eglMakeCurrent(display(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display(), context);
    return pixels;
}

void writeSideBySide(const std::string& path, const std::vector<uint8_t>& real, const std::vector<uint8_t>& layer) {
    std::vector<uint8_t> rgb(static_cast<size_t>(size) * 2 * size * 3);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size * 2; ++x) {
            const std::vector<uint8_t>& source = x < size ? real : layer;
            const size_t from = (static_cast<size_t>(size - 1 - y) * size + x % size) * 4;
            std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(from), 3,
                        rgb.begin() + static_cast<std::ptrdiff_t>((static_cast<size_t>(y) * size * 2 + x) * 3));
        }
    png::write(path, size * 2, size, 3, rgb);
}

void expectSamePicture(const std::string& name, const std::function<void()>& real, const std::function<void()>& layer,
                       int tolerance, int differingAllowed) {
    const std::vector<uint8_t> expected = render(Gl::Real, real);
    const std::vector<uint8_t> actual = render(Gl::Layer, layer);
    const size_t pixels = expected.size() / 4;
    const std::vector<uint8_t> black(expected.size(), 0);
    EXPECT_GE(compareFrames(expected.data(), 4, black.data(), 4, pixels, {0, 0}).differing, 20u) << name;
    const FrameDifference difference = compareFrames(actual.data(), 4, expected.data(), 4, pixels, {tolerance, 0});
    if (difference.differing > static_cast<size_t>(differingAllowed))
        writeSideBySide("fixedgl-" + name + ".png", expected, actual);
    EXPECT_LE(difference.differing, static_cast<size_t>(differingAllowed))
        << name << ": worst " << difference.worst << "; real and layer side by side in fixedgl-" << name << ".png";
}

}  // namespace twocontexts
