#include <cstdio>

#include "platform/fixedgl/GlesCalls.h"
#include "platform/fixedgl/Shaders.h"

namespace fixedgl::shaders {

namespace {

GLuint compile(GLenum kind, const char* source) {
    const GLuint shader = FIXEDGL_GLES(glCreateShader)(kind);
    FIXEDGL_GLES(glShaderSource)(shader, 1, &source, nullptr);
    FIXEDGL_GLES(glCompileShader)(shader);
    GLint compiled = GL_FALSE;
    FIXEDGL_GLES(glGetShaderiv)(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE) return shader;
    char log[1024] = "";
    FIXEDGL_GLES(glGetShaderInfoLog)(shader, sizeof log, nullptr, log);
    std::fprintf(stderr, "fixedgl: the %s shader does not compile: %s\n",
                 kind == GL_VERTEX_SHADER ? "vertex" : "fragment", log);
    FIXEDGL_GLES(glDeleteShader)(shader);
    return 0;
}

GLuint link() {
    const GLuint vertexShader = compile(GL_VERTEX_SHADER, vertex);
    const GLuint fragmentShader = compile(GL_FRAGMENT_SHADER, fragment);
    GLuint program = 0;
    if (vertexShader != 0 && fragmentShader != 0) {
        program = FIXEDGL_GLES(glCreateProgram)();
        FIXEDGL_GLES(glAttachShader)(program, vertexShader);
        FIXEDGL_GLES(glAttachShader)(program, fragmentShader);
        FIXEDGL_GLES(glLinkProgram)(program);
        GLint linked = GL_FALSE;
        FIXEDGL_GLES(glGetProgramiv)(program, GL_LINK_STATUS, &linked);
        if (linked != GL_TRUE) {
            char log[1024] = "";
            FIXEDGL_GLES(glGetProgramInfoLog)(program, sizeof log, nullptr, log);
            std::fprintf(stderr, "fixedgl: the program does not link: %s\n", log);
            FIXEDGL_GLES(glDeleteProgram)(program);
            program = 0;
        }
    }
    FIXEDGL_GLES(glDeleteShader)(vertexShader);
    FIXEDGL_GLES(glDeleteShader)(fragmentShader);
    return program;
}

}  // namespace

GLuint buildProgram() {
    const GLuint program = link();
    if (program == 0) return 0;
    const GLuint block = FIXEDGL_GLES(glGetUniformBlockIndex)(program, "State");
    FIXEDGL_GLES(glUniformBlockBinding)(program, block, 0);
    FIXEDGL_GLES(glUseProgram)(program);
    const GLint image = FIXEDGL_GLES(glGetUniformLocation)(program, "image");
    FIXEDGL_GLES(glUniform1i)(image, 0);
    return program;
}

}  // namespace fixedgl::shaders
