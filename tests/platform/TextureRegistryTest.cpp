#include "platform/TextureRegistry.h"

#include "platform/GL.h"
#include "tests/support/GLCallLog.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/TgaFiles.h"

namespace {

using Calls = std::vector<std::string>;

class TextureRegistryTest : public HeadlessWindowTest {
protected:
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        openWindow(64, 48);
        headless::setResource(116, tga::filled(4, 2, 200, 100, 50, 0));
        headless::setResource(117, tga::filled(2, 2, 10, 20, 30, 128));
    }
    void TearDown() override {
        gllog::stop();
        HeadlessWindowTest::TearDown();
    }

    // A level-0 parameter of the texture bound now, or of the given id's texture once bound.
    static GLint bound(GLenum parameter) {
        GLint value = -1;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
        return value;
    }
    GLint formatOf(int32_t id) {
        registry.bindTexture(id);
        return bound(GL_TEXTURE_INTERNAL_FORMAT);
    }

    static std::string bindOf(int32_t name) {
        char line[32];
        std::snprintf(line, sizeof line, "glBindTexture 0x%04X", static_cast<unsigned>(name));
        return line;
    }

    TextureRegistry registry;
};

// Flags of exactly 1 keep the alpha; any other value, 3 included, uploads without it.
TEST_F(TextureRegistryTest, RequestsForOneIdMergeTheirFlagsAndOnlyExactlyOneKeepsAlpha) {
    registry.requestTexture(117, 0);
    registry.requestTexture(116, 2);
    registry.requestTexture(117, 1);
    registry.requestTexture(116, 1);
    ASSERT_EQ(registry.entries.count, 2);
    EXPECT_EQ(registry.findEntry(117)->flags, 1);
    EXPECT_EQ(registry.findEntry(116)->flags, 3);
    EXPECT_EQ(registry.findEntry(111), nullptr);

    registry.uploadAll();
    EXPECT_EQ(formatOf(117), GL_RGBA);
    EXPECT_EQ(formatOf(116), GL_RGB);
    EXPECT_EQ(bound(GL_TEXTURE_WIDTH), 4);
    // The first requested gets the first name.
    EXPECT_EQ(registry.glNames[0], static_cast<uint32_t>(registry.glNameOf(117)));
    EXPECT_EQ(registry.glNames[1], static_cast<uint32_t>(registry.glNameOf(116)));
}

TEST_F(TextureRegistryTest, BindingSkipsTheTextureAlreadyBound) {
    registry.requestTexture(116, 0);
    registry.requestTexture(117, 0);
    registry.uploadAll();
    const int32_t name116 = registry.glNameOf(116), name117 = registry.glNameOf(117);
    gllog::start();
    registry.bindTexture(116);
    registry.bindTexture(116);
    registry.bindTexture(117);
    registry.bindTexture(116);
    EXPECT_EQ(gllog::calls(), (Calls{bindOf(name116), bindOf(name117), bindOf(name116)}));

    // A new upload forgets what was bound, so the same id reaches GL again.
    registry.uploadAll();
    gllog::start();
    registry.bindTexture(116);
    EXPECT_EQ(gllog::calls(), (Calls{bindOf(registry.glNameOf(116))}));
    EXPECT_EQ(registry.glNameOf(111), -1);
}

TEST_F(TextureRegistryTest, UploadWithoutRequestsMakesNothing) {
    gllog::start();
    registry.uploadAll();
    EXPECT_TRUE(gllog::calls().empty());
    EXPECT_EQ(registry.glNames, nullptr);
}

TEST_F(TextureRegistryTest, APictureThatCannotBeDecodedKeepsItsNameAndGetsNoPixels) {
    headless::setResource(129, {0, 0, 10});  // truncated
    registry.requestTexture(129, 1);
    registry.requestTexture(117, 0);
    registry.uploadAll();
    EXPECT_GT(registry.glNameOf(129), 0);
    registry.bindTexture(129);
    EXPECT_EQ(bound(GL_TEXTURE_WIDTH), 0);
    EXPECT_EQ(formatOf(117), GL_RGB);
    EXPECT_EQ(registry.findEntry(129)->image, nullptr);
}

}  // namespace
