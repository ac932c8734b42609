#include "platform/TextConsole.h"

#include <algorithm>
#include <map>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "tests/support/GLProbe.h"
#include "tests/support/HeadlessWindow.h"
#include "tests/support/TgaFiles.h"

namespace {

// A 256 x 256 font picture whose cells are blank but for the given codes, each filled with one
// grey level (the font's shape is in its red channel).
std::vector<uint8_t> fontWith(const std::map<int, uint8_t>& cells) {
    std::vector<uint8_t> pixels(256 * 256 * 4, 0);
    for (const auto& [code, grey] : cells) {
        // Cell rows are counted from the top of the picture; the file is stored bottom row first.
        const int top = 255 - (code / 16) * 16;
        for (int y = top - 15; y <= top; ++y)
            for (int x = (code % 16) * 16; x < (code % 16) * 16 + 16; ++x)
                std::fill_n(&pixels[(y * 256 + x) * 4], 3, grey);
    }
    return tga::file(2, 256, 256, 32, pixels);
}

class TextConsoleTest : public HeadlessWindowTest {
protected:
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        openWindow();
        resetCaps();
    }

    void useFont(const std::map<int, uint8_t>& cells) {
        headless::setResource(TextConsole::fontResourceId, fontWith(cells));
        console.loadFont();
        console.buildFont();
    }

    // The pixel at (x, y), y counted from the top, and whether it is lit.
    probe::Pixels frame() const { return {window->frame().readPixels(), 640}; }
    bool lit(int x, int y) const { return frame().litAt(x, 479 - y); }

    void clearFrame() {
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    TextConsole console;
};

TEST_F(TextConsoleTest, GlyphsAdvanceTwelvePixelsAndCoverSixteen) {
    useFont({{'A', 255}, {'B', 255}, {0xDB, 255}, {'\n', 255}});
    clearFrame();
    glColor3f(1, 1, 1);
    console.drawText(0, 0, "%s", "AB");
    EXPECT_TRUE(lit(1, 1));
    EXPECT_TRUE(lit(26, 14));  // B's cell reaches x 28
    EXPECT_FALSE(lit(29, 8));
    EXPECT_FALSE(lit(8, 17));  // the glyphs are 16 rows high

    // High codes and newlines draw their own glyphs.
    console.drawText(100, 200, "\xDB\n\xDB");
    EXPECT_TRUE(lit(102, 202));
    EXPECT_TRUE(lit(114, 202));  // the newline glyph, on the same line
    EXPECT_TRUE(lit(126, 202));
    EXPECT_FALSE(lit(102, 218));
}

TEST_F(TextConsoleTest, TheAlphaTestKeepsTexelsOfAtLeastThreeTenths) {
    // llvmpipe compares in 8 bits, where 76/255 and 0.3 meet; 77 must pass and 70 must not.
    useFont({{'A', 77}, {'B', 70}});
    clearFrame();
    glColor3f(1, 1, 1);
    console.drawText(0, 0, "A");
    console.drawText(100, 0, "B");
    EXPECT_TRUE(lit(8, 8));
    EXPECT_FALSE(lit(108, 8));
}

TEST_F(TextConsoleTest, DrawingLeavesTheBoundTextureAndMatricesAlone) {
    useFont({{'A', 255}});
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    const std::vector<float> before = probe::floats(GL_PROJECTION_MATRIX);
    console.drawText(0, 0, "A");
    EXPECT_EQ(static_cast<GLuint>(probe::integer(GL_TEXTURE_BINDING_2D)), texture);
    EXPECT_EQ(probe::floats(GL_PROJECTION_MATRIX), before);
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TextConsoleTest, TheStatusShowsForTwoHundredFlushesAfterItChanges) {
    useFont({{'S', 255}});
    console.setStatus("S");
    int shown = 0;
    for (int i = 0; i < 201; ++i) {
        clearFrame();
        console.queueLine(0, 0, 1, 1, 1, "x");
        console.flush();
        if (lit(4, 470)) ++shown;  // the status line is the bottom 16 rows
    }
    EXPECT_EQ(shown, 200);
    EXPECT_EQ(console.statusFrames, 0);

    console.setStatus("%s", "S");  // the same text does not restart it
    EXPECT_EQ(console.statusFrames, 0);
    console.setStatus("S%d", 2);
    EXPECT_EQ(console.statusFrames, 200);
    console.flush();  // nothing queued: nothing drawn, nothing counted
    EXPECT_EQ(console.statusFrames, 200);
}

TEST_F(TextConsoleTest, QueuedLinesAreDrawnOnlyInDebugMode) {
    useFont({{'Q', 255}});
    clearFrame();
    console.queueLine(320, 240, 0, 1, 0, "Q");
    console.flush();
    EXPECT_FALSE(lit(324, 244));
    EXPECT_EQ(console.queue, nullptr);

    console.debug = true;
    console.queueLine(320, 240, 0, 1, 0, "Q");
    console.flush();
    EXPECT_EQ(frame().at(324, 479 - 244)[0], 0);  // green, as queued
    EXPECT_EQ(frame().at(324, 479 - 244)[1], 255);
}

TEST_F(TextConsoleTest, LongTextIsCutAndAMissingFontDrawsNothing) {
    headless::setResource(TextConsole::fontResourceId, {});  // no usable font
    const std::string longText(400, 'x');
    console.queueLine(0, 0, 1, 1, 1, "%s", longText.c_str());
    const auto* line = static_cast<QueuedLine*>(console.queue->head->data);
    EXPECT_EQ(std::string(line->text), longText.substr(0, 255));
    EXPECT_EQ(console.fontImage, nullptr);

    console.buildFont();
    clearFrame();
    glColor3f(1, 1, 1);
    console.drawText(0, 0, "xxxx");
    EXPECT_FALSE(lit(2, 2));
    // Releasing the font that made no lists leaves the scenes' lists alone.
    const GLuint sceneList = glGenLists(1);
    glNewList(sceneList, GL_COMPILE);
    glEndList();
    console.releaseFont();
    EXPECT_TRUE(glIsList(sceneList));
    EXPECT_EQ(console.listBase, -1);
    console.shutdown();
    EXPECT_FALSE(console.loaded);
}

}  // namespace
