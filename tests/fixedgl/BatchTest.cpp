// The layer's batches, counted: primitives drawn alike are one draw, however many and whatever
// their matrices, for the same GLES calls as one alone; a GLES call between them ends the batch
// only where it changes what the batch draws with. (LayerTest compares the pictures.)
#define TARVO_FIXED_GL
#include "platform/GL.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "platform/fixedgl/FixedGLContext.h"
#include "platform/fixedgl/GlesCalls.h"
#include "tests/fixedgl/Drawings.h"
#include "tests/fixedgl/TwoContexts.h"

namespace {

// What `draw` costs the layer in a fresh context, up to its last draw.
fixedgl::CallCounts costOf(const std::function<void()>& draw) {
    fixedgl::CallCounts cost;
    twocontexts::render(twocontexts::Gl::Layer, [&] {
        const fixedgl::CallCounts before = fixedgl::callCounts();
        draw();
        fixedgl::flushBatch();
        const fixedgl::CallCounts after = fixedgl::callCounts();
        cost = {after.calls - before.calls, after.draws - before.draws};
    });
    return cost;
}

// Sprite n of a row, turned by a matrix of its own.
void sprite(int n) {
    glPushMatrix();
    glTranslatef(-0.9f + 0.01f * static_cast<float>(n), 0, 0);
    glRotatef(7.0f * static_cast<float>(n), 0, 0, 1);
    glBegin(GL_QUADS);
    glVertex3f(-0.1f, -0.1f, 0);
    glVertex3f(0.1f, -0.1f, 0);
    glVertex3f(0.1f, 0.1f, 0);
    glVertex3f(-0.1f, 0.1f, 0);
    glEnd();
    glPopMatrix();
}

void sprites(int count) {
    for (int n = 0; n < count; ++n) sprite(n);
}

TEST(BatchTest, PrimitivesDrawnAlikeAreOneDrawForTheCallsOfOne) {
    const fixedgl::CallCounts one = costOf([] { sprites(1); });
    const fixedgl::CallCounts many = costOf([] { sprites(200); });
    EXPECT_EQ(one.draws, 1u);
    EXPECT_EQ(many.draws, 1u);
    EXPECT_EQ(many.calls, one.calls);
}

TEST(BatchTest, OnlyAChangeOfGlesStateEndsTheBatch) {
    const fixedgl::CallCounts cost = costOf([] {
        glEnable(GL_BLEND);
        for (int n = 0; n < 6; ++n) {
            glBlendFunc(GL_SRC_ALPHA, n < 3 ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);  // changes once
            glDepthMask(GL_TRUE);                                                // as it was
            glEnable(GL_BLEND);                                                  // as it was
            sprite(n);
        }
    });
    EXPECT_EQ(cost.draws, 2u);
}

// The lit drawing's 24 primitives of four kinds, each with its own matrix and colour: one draw
// with GL_NORMALIZE off and one with it on.
TEST(BatchTest, PrimitivesOfEveryKindJoinOneDraw) {
    const auto isLit = [](const Drawing& drawing) { return std::strcmp(drawing.name, "many-matrices-lit") == 0; };
    const auto lit = std::find_if(layer::batchDrawings.begin(), layer::batchDrawings.end(), isLit);
    ASSERT_NE(lit, layer::batchDrawings.end());
    EXPECT_EQ(costOf(lit->draw).draws, 2u);
}

}  // namespace
