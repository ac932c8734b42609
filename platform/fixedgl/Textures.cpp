// Texture images: OpenGL 1.1 stores RGBA data in an RGB texture by dropping the alpha (which then
// reads as 1); GLES 3 refuses that combination, so the layer drops the alpha itself.
#include <vector>

#include "platform/fixedgl/GlesCalls.h"
#include "platform/fixedgl/State.h"

namespace fixedgl {

namespace {

bool isRgb(GLint internalFormat) { return internalFormat == GL_RGB || internalFormat == 3 || internalFormat == GL_RGB8; }

bool isRgba(GLint internalFormat) {
    return internalFormat == GL_RGBA || internalFormat == 4 || internalFormat == GL_RGBA8;
}

std::vector<GLubyte> withoutAlpha(const GLubyte* rgba, GLsizei width, GLsizei height) {
    std::vector<GLubyte> rgb(static_cast<size_t>(width) * height * 3);
    for (size_t pixel = 0; pixel < rgb.size() / 3; ++pixel)
        for (size_t c = 0; c < 3; ++c) rgb[pixel * 3 + c] = rgba[pixel * 4 + c];
    return rgb;
}

}  // namespace

void glBindTexture(GLenum target, GLuint texture) {
    if (recordInList([=] { glBindTexture(target, texture); })) return;
    // The batch waits only while the same texture is bound again.
    State& state = current();
    if (target != GL_TEXTURE_2D || state.boundTexture != texture) flushBatch();
    if (target == GL_TEXTURE_2D) state.boundTexture = texture;
    FIXEDGL_GLES(glBindTexture)(target, texture);
}

void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                  GLenum format, GLenum type, const void* pixels) {
    flushBatch();
    State& state = current();
    if (target == GL_TEXTURE_2D && level == 0) state.texturesWithImages.insert(state.boundTexture);

    const bool rgbaBytes = format == GL_RGBA && type == GL_UNSIGNED_BYTE;
    if (isRgb(internalFormat) && rgbaBytes && pixels != nullptr && width > 0 && height > 0) {
        const std::vector<GLubyte> rgb = withoutAlpha(static_cast<const GLubyte*>(pixels), width, height);
        GLint alignment = 4;
        FIXEDGL_GLES(glGetIntegerv)(GL_UNPACK_ALIGNMENT, &alignment);
        FIXEDGL_GLES(glPixelStorei)(GL_UNPACK_ALIGNMENT, 1);
        FIXEDGL_GLES(glTexImage2D)(target, level, GL_RGB8, width, height, border, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        FIXEDGL_GLES(glPixelStorei)(GL_UNPACK_ALIGNMENT, alignment);
        return;
    }
    if (isRgb(internalFormat) && rgbaBytes) {  // storage without an image yet
        internalFormat = GL_RGB8;
        format = GL_RGB;
    }
    if (isRgba(internalFormat)) internalFormat = GL_RGBA8;
    FIXEDGL_GLES(glTexImage2D)(target, level, internalFormat, width, height, border, format, type, pixels);
}

}  // namespace fixedgl
