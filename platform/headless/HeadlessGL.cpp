// Headless GL: compatibility-profile contexts on EGL's surfaceless Mesa platform, made current with
// no surface (OpenGL ES 3 contexts with the fixed-function layer when built with TARVO_FIXED_GL).
// A window's pixels are a framebuffer object of its client size, bound when a context is made
// current with the window's device.
#define GL_GLEXT_PROTOTYPES
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/headless/HeadlessState.h"
#ifdef TARVO_FIXED_GL
#include "platform/fixedgl/FixedGLContext.h"
#endif

using headless::Step;
using headless::detail::Context;
using headless::detail::failing;
using headless::detail::logCall;
using headless::detail::objects;
using headless::detail::Window;

namespace {

#ifdef TARVO_FIXED_GL
constexpr EGLenum contextApi = EGL_OPENGL_ES_API;
constexpr EGLint contextAttributes[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_NONE};
fixedgl::State* createLayer() { return fixedgl::createState(); }
void makeLayerCurrent(Context* context) { fixedgl::makeStateCurrent(context != nullptr ? context->layer : nullptr); }
void deleteLayer(Context& context) { fixedgl::deleteState(context.layer); }
#else
constexpr EGLenum contextApi = EGL_OPENGL_API;
constexpr EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                        EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
fixedgl::State* createLayer() { return nullptr; }
void makeLayerCurrent(Context*) {}
void deleteLayer(Context&) {}
#endif

EGLDisplay openDisplay() {
    const auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    const EGLDisplay display = getPlatformDisplay
                                   ? getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr)
                                   : EGL_NO_DISPLAY;
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
        std::fprintf(stderr, "headless: no EGL display on Mesa's surfaceless platform "
                             "(libegl-mesa0 and libgl1-mesa-dri must be installed)\n");
        return EGL_NO_DISPLAY;
    }
    return display;
}

// Set up once per process, when the first context is made.
EGLDisplay display() {
    static const EGLDisplay instance = openDisplay();
    return instance;
}

bool releaseCurrent() {
    if (objects().currentContext == nullptr) return true;
    if (!eglMakeCurrent(display(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT)) return false;
    makeLayerCurrent(nullptr);
    objects().currentContext = nullptr;
    objects().currentWindow = nullptr;
    return true;
}

void allocate(GLuint renderbuffer, GLenum format, int width, int height) {
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, format, width, height);
}

// Makes the window's framebuffer in the current context unless it is there already, and binds it.
void bindWindowFramebuffer(Window& window) {
    headless::detail::WindowFramebuffer& pixels = window.framebuffer;
    const bool made = pixels.owner != objects().currentContext;
    if (made) {
        pixels = {};  // objects made in another context stay with that context
        pixels.owner = objects().currentContext;
        glGenFramebuffers(1, &pixels.framebuffer);
        glGenRenderbuffers(1, &pixels.colour);
        glGenRenderbuffers(1, &pixels.depth);
    }
    headless::detail::fitWindowFramebuffer(window);
    glBindFramebuffer(GL_FRAMEBUFFER, pixels.framebuffer);
    if (made) {
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, pixels.colour);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, pixels.depth);
    }
}

}  // namespace

namespace headless::detail {

void fitWindowFramebuffer(Window& window) {
    WindowFramebuffer& pixels = window.framebuffer;
    if (pixels.owner == nullptr || pixels.owner != objects().currentContext) return;
    // A minimised window keeps a one-pixel framebuffer, so the framebuffer stays complete.
    const int width = std::max(1, window.record.clientWidth);
    const int height = std::max(1, window.record.clientHeight);
    if (pixels.width == width && pixels.height == height) return;

    GLint previous = 0;  // the engine's own renderbuffer binding survives a resize
    glGetIntegerv(GL_RENDERBUFFER_BINDING, &previous);
    allocate(pixels.colour, GL_RGB8, width, height);
    allocate(pixels.depth, GL_DEPTH_COMPONENT16, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, static_cast<GLuint>(previous));
    pixels.width = width;
    pixels.height = height;
}

void forgetWindowFramebuffer(Window& window) {
    WindowFramebuffer& pixels = window.framebuffer;
    if (pixels.owner != nullptr && pixels.owner == objects().currentContext) {
        glDeleteFramebuffers(1, &pixels.framebuffer);
        const GLuint renderbuffers[] = {pixels.colour, pixels.depth};
        glDeleteRenderbuffers(2, renderbuffers);
    }
    pixels = {};
}

}  // namespace headless::detail

namespace platform {

ContextHandle createGLContext(DeviceHandle device) {
    logCall("createGLContext");
    const Window* window = headless::detail::windowOfDevice(device);
    // Like WGL, a context needs the device's pixel format to be set.
    if (failing(Step::CreateContext) || window == nullptr || window->device.pixelFormat == 0) return nullptr;
    if (display() == EGL_NO_DISPLAY || !eglBindAPI(contextApi)) return nullptr;

    const EGLContext egl = eglCreateContext(display(), EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, contextAttributes);
    if (egl == EGL_NO_CONTEXT) return nullptr;
    objects().contexts.push_back(std::make_unique<Context>(Context{egl, false, createLayer()}));
    return reinterpret_cast<ContextHandle>(objects().contexts.back().get());
}

bool makeCurrent(DeviceHandle device, ContextHandle context) {
    if (device == nullptr && context == nullptr) {
        logCall("makeCurrent none");
        return !failing(Step::ReleaseCurrent) && releaseCurrent();
    }
    logCall("makeCurrent");
    Window* window = headless::detail::windowOfDevice(device);
    Context* target = headless::detail::findContext(context);
    if (failing(Step::MakeCurrent) || window == nullptr || target == nullptr) return false;
    if (!eglMakeCurrent(display(), EGL_NO_SURFACE, EGL_NO_SURFACE, target->egl)) return false;
    objects().currentContext = target;
    objects().currentWindow = window;
    makeLayerCurrent(target);

    bindWindowFramebuffer(*window);
    if (!target->everCurrent) {
        target->everCurrent = true;
        glViewport(0, 0, window->framebuffer.width, window->framebuffer.height);
        glScissor(0, 0, window->framebuffer.width, window->framebuffer.height);
    }
    return true;
}

bool deleteGLContext(ContextHandle context) {
    logCall("deleteGLContext");
    Context* target = headless::detail::findContext(context);
    if (failing(Step::DeleteContext) || target == nullptr) return false;
    // Deleting the current context first makes it not current, as WGL does.
    if (objects().currentContext == target && !releaseCurrent()) return false;
    for (const auto& window : objects().windows)
        if (window->framebuffer.owner == target) window->framebuffer = {};
    eglDestroyContext(display(), target->egl);
    deleteLayer(*target);
    auto& contexts = objects().contexts;
    contexts.erase(std::find_if(contexts.begin(), contexts.end(), [&](const auto& open) { return open.get() == target; }));
    return true;
}

uint32_t windowFramebuffer(DeviceHandle device) {
    Window* window = headless::detail::windowOfDevice(device);
    if (window == nullptr || window->framebuffer.owner != objects().currentContext) return 0;
    headless::detail::fitWindowFramebuffer(*window);
    return window->framebuffer.framebuffer;
}

// The window's framebuffer follows its client size.
void drawableSize(DeviceHandle device, int& width, int& height) {
    const Window* window = headless::detail::windowOfDevice(device);
    if (window == nullptr) return;
    width = window->record.clientWidth;
    height = window->record.clientHeight;
}

void* glProcAddress(const char* name) { return reinterpret_cast<void*>(eglGetProcAddress(name)); }

}  // namespace platform
