#pragma once
// A scene of class S on a started 640x480 headless window: initialised (phase 0) with its own
// texture registry, the textures uploaded and the generator the scenes share started afresh, as
// at program start.
#include "platform/GLStateCache.h"
#include "platform/TextureRegistry.h"
#include "scenes/SceneRandom.h"
#include "tests/support/GLProbe.h"
#include "tests/support/HeadlessWindow.h"

template <class S>
class SceneFixture : public HeadlessWindowTest {
protected:
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        openWindow();
        resetCaps();
        scenerandom::restart();
        scene.textures = &registry;
        ASSERT_TRUE(scene.init(0));
        registry.uploadAll();
    }

    probe::Pixels frame() const { return {window->frame().readPixels(), window->frame().width()}; }

    // Renders the scene at t and reads the frame back.
    probe::Pixels render(int32_t t) {
        EXPECT_TRUE(scene.render(t)) << t;
        return frame();
    }

    TextureRegistry registry;
    S scene;
};
