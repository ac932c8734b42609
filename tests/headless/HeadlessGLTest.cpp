// A real GL context on Mesa's surfaceless platform, drawing into the window's framebuffer.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>

#include <array>

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

TEST_F(HeadlessGL, CompatibilityContextDrawsIntoTheWindowFramebuffer) {
    const DeviceHandle device = openGLWindow(64, 48);
    ASSERT_NE(device, nullptr);
    GLint profile = 0;
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
    EXPECT_TRUE(profile & GL_CONTEXT_COMPATIBILITY_PROFILE_BIT);

    // Made current, the window's framebuffer is bound and the viewport covers the client area.
    GLint bound = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    EXPECT_NE(bound, 0);
    EXPECT_EQ(static_cast<uint32_t>(bound), windowFramebuffer(device));
    EXPECT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    EXPECT_EQ(attachment(GL_DEPTH_ATTACHMENT, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE), 16);
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, 64, 48}));

    glClearColor(1.0f, 0.5f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    ASSERT_NE(swapBuffers(device), 0);
    std::array<GLubyte, 3> pixel{};
    glReadPixels(63, 47, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel.data());
    EXPECT_EQ(pixel, (std::array<GLubyte, 3>{255, 128, 0}));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
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
