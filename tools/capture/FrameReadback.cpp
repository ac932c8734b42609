#include "tools/capture/FrameReadback.h"

#include <cstring>

#include "platform/GL.h"
#include "platform/Platform.h"

namespace {

struct BufferApi {
    PFNGLGENBUFFERSPROC genBuffers = nullptr;
    PFNGLDELETEBUFFERSPROC deleteBuffers = nullptr;
    PFNGLBINDBUFFERPROC bindBuffer = nullptr;
    PFNGLBUFFERDATAPROC bufferData = nullptr;
    PFNGLMAPBUFFERPROC mapBuffer = nullptr;
    PFNGLUNMAPBUFFERPROC unmapBuffer = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;

    bool load() {
        using platform::findGLFunction;
        return findGLFunction(genBuffers, "glGenBuffers") &&
               findGLFunction(deleteBuffers, "glDeleteBuffers") &&
               findGLFunction(bindBuffer, "glBindBuffer") &&
               findGLFunction(bufferData, "glBufferData") &&
               findGLFunction(mapBuffer, "glMapBuffer") &&
               findGLFunction(unmapBuffer, "glUnmapBuffer");
    }
};

BufferApi api;

// Reads the frame from the framebuffer it was presented to, leaving the read binding as it was.
void readPresented(int width, int height, void* pixels) {
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    if (api.bindFramebuffer == nullptr) {  // no framebuffer objects: the back buffer it is
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
        return;
    }
    GLint drawn = 0;
    GLint reading = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawn);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &reading);
    api.bindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(drawn));
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    api.bindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(reading));
}

}  // namespace

FrameReadback::FrameReadback(int width_, int height_) : width(width_), height(height_) {
    const size_t bytes = static_cast<size_t>(width) * height * 4;
    platform::findGLFunction(api.bindFramebuffer, "glBindFramebuffer");
    if (!api.load()) return;
    api.genBuffers(2, buffers);
    for (uint32_t buffer : buffers) {
        api.bindBuffer(GL_PIXEL_PACK_BUFFER, buffer);
        api.bufferData(GL_PIXEL_PACK_BUFFER, static_cast<GLsizeiptr>(bytes), nullptr, GL_STREAM_READ);
    }
    api.bindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    if (glGetError() != GL_NO_ERROR) {
        api.deleteBuffers(2, buffers);
        buffers[0] = buffers[1] = 0;
    }
}

FrameReadback::~FrameReadback() {
    if (buffers[0] != 0) api.deleteBuffers(2, buffers);
}

void FrameReadback::take(uint32_t buffer, std::vector<uint8_t>& pixels) {
    pixels.resize(static_cast<size_t>(width) * height * 4);
    api.bindBuffer(GL_PIXEL_PACK_BUFFER, buffer);
    if (const void* mapped = api.mapBuffer(GL_PIXEL_PACK_BUFFER, GL_READ_ONLY)) {
        std::memcpy(pixels.data(), mapped, pixels.size());
        api.unmapBuffer(GL_PIXEL_PACK_BUFFER);
    }
    api.bindBuffer(GL_PIXEL_PACK_BUFFER, 0);
}

bool FrameReadback::read(std::vector<uint8_t>& previous) {
    if (buffers[0] == 0) {
        const bool had = pending;
        if (had) previous.swap(direct);
        direct.resize(static_cast<size_t>(width) * height * 4);
        readPresented(width, height, direct.data());
        pending = true;
        return had;
    }
    api.bindBuffer(GL_PIXEL_PACK_BUFFER, buffers[next]);
    readPresented(width, height, nullptr);  // into the buffer, at offset 0
    api.bindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    next = 1 - next;
    const bool had = pending;
    if (had) take(buffers[next], previous);
    pending = true;
    return had;
}

bool FrameReadback::finish(std::vector<uint8_t>& last) {
    if (!pending) return false;
    pending = false;
    if (buffers[0] == 0)
        last.swap(direct);
    else
        take(buffers[1 - next], last);
    return true;
}
