// The calls GLES has with OpenGL 1.1's meaning, made through the layer so that the batch is drawn
// first wherever the call changes how it would draw or reads or covers what it drew. The blend
// function, the depth test's and the viewport are remembered: setting the first two again changes
// nothing and keeps the batch, and wide lines need the viewport without asking GLES.
#include "platform/fixedgl/GlesCalls.h"
#include "platform/fixedgl/State.h"

namespace fixedgl {

void glBlendFunc(GLenum source, GLenum destination) {
    PassedState& passed = current().passed;
    if (passed.blendSource == source && passed.blendDestination == destination) return;
    flushBatch();
    passed.blendSource = source;
    passed.blendDestination = destination;
    FIXEDGL_GLES(glBlendFunc)(source, destination);
}

void glDepthFunc(GLenum function) {
    PassedState& passed = current().passed;
    if (passed.depthFunction == function) return;
    flushBatch();
    passed.depthFunction = function;
    FIXEDGL_GLES(glDepthFunc)(function);
}

void glDepthMask(GLboolean write) {
    PassedState& passed = current().passed;
    if (passed.depthMask == write) return;
    flushBatch();
    passed.depthMask = write;
    FIXEDGL_GLES(glDepthMask)(write);
}

void glClear(GLbitfield mask) {
    flushBatch();
    FIXEDGL_GLES(glClear)(mask);
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    flushBatch();
    State& state = current();
    state.viewport = {x, y, width, height};
    state.viewportKnown = true;
    FIXEDGL_GLES(glViewport)(x, y, width, height);
}

void glTexParameteri(GLenum target, GLenum name, GLint value) {
    flushBatch();
    FIXEDGL_GLES(glTexParameteri)(target, name, value);
}

void glTexParameterf(GLenum target, GLenum name, GLfloat value) {
    flushBatch();
    FIXEDGL_GLES(glTexParameterf)(target, name, value);
}

void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, void* pixels) {
    flushBatch();
    FIXEDGL_GLES(glReadPixels)(x, y, width, height, format, type, pixels);
}

void glFlush() {
    flushBatch();
    FIXEDGL_GLES(glFlush)();
}

void glFinish() {
    flushBatch();
    FIXEDGL_GLES(glFinish)();
}

}  // namespace fixedgl
