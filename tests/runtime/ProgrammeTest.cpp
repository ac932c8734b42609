#include "runtime/Programme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/HeadlessControl.h"

namespace {

using Names = std::vector<std::string>;

class ProgrammeTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        demo = std::make_unique<Demo>(programmeWindow.title, 64, 48, 32, false);
        scheduleProgramme(*demo);
        demo->timeline->initAll(1);  // names the scenes and nothing else
    }
    void TearDown() override {
        demo.reset();
        headless::reset();
    }

    Names activeAt(int32_t now) {
        demo->timeline->updateActive(now);
        Names names;
        while (Scene* scene = demo->timeline->nextActive()) names.push_back(scene->name);
        return names;
    }

    std::unique_ptr<Demo> demo;
};

TEST_F(ProgrammeTest, EndsWithTheLastSceneAddedAt155Seconds) {
    EXPECT_EQ(demo->endMs, 155000);
    EXPECT_TRUE(demo->musicLoaded);
    EXPECT_NE(demo->music->moduleHandle, 0u);
}

TEST_F(ProgrammeTest, EachStretchHasItsScenesInDrawingOrder) {
    EXPECT_EQ(activeAt(0), (Names{"Tunnel"}));
    EXPECT_EQ(activeAt(12999), (Names{"Tunnel"}));
    EXPECT_EQ(activeAt(13000), (Names{"Tunnel", "Helix"}));
    EXPECT_EQ(activeAt(39499), (Names{"Tunnel", "Helix"}));
    EXPECT_EQ(activeAt(39500), (Names{"Tunnel", "Helix", "Flares"}));
    EXPECT_EQ(activeAt(45000), (Names{"Tunnel", "Flares"}));
    EXPECT_EQ(activeAt(64999), (Names{"Tunnel", "Flares"}));
    EXPECT_EQ(activeAt(65000), (Names{"Lightball", "Credits", "Flares"}));
    EXPECT_EQ(activeAt(70000), (Names{"Lightball", "Credits"}));
    EXPECT_EQ(activeAt(120000), (Names{"Lightball"}));
    EXPECT_EQ(activeAt(133999), (Names{"Lightball"}));
    EXPECT_EQ(activeAt(134000), (Names{"Greets & Stuff"}));
    EXPECT_EQ(activeAt(154999), (Names{"Greets & Stuff"}));
    EXPECT_EQ(activeAt(155000), Names{});
}

}  // namespace
