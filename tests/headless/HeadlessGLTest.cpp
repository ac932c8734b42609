// The window's framebuffer under a real GL context on Mesa's surfaceless platform.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>

#include "HeadlessFixture.h"

namespace {

using namespace platform;

using HeadlessGL = HeadlessFixture;

GLint attachment(GLenum point, GLenum property) {
    GLint value = 0;
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, point, property, &value);
    return value;
}

GLint colourWidth() {
    glBindRenderbuffer(GL_RENDERBUFFER, attachment(GL_COLOR_ATTACHMENT0, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME));
    GLint width = 0;
    glGetRenderbufferParameteriv(GL_RENDERBUFFER, GL_RENDERBUFFER_WIDTH, &width);
    return width;
}

TEST_F(HeadlessGL, WindowFramebufferFollowsResizesAndGoesWithItsContext) {
    ASSERT_NE(openGLWindow(64, 48), nullptr);
    EXPECT_EQ(colourWidth(), 64);
    headless::scriptResize(0, 100, 30);
    Message message{};
    ASSERT_TRUE(peekMessage(message));
    EXPECT_EQ(colourWidth(), 100);
    EXPECT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));

    // Deleting the current context first leaves none current, as WGL does.
    ASSERT_TRUE(deleteGLContext(contexts.back()));
    EXPECT_EQ(glGetString(GL_RENDERER), nullptr);
}

}  // namespace
