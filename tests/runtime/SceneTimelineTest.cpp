#include "runtime/SceneTimeline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A scene that notes its calls in a shared journal.
class ProbeScene : public Scene {
public:
    ProbeScene(std::string label, std::vector<std::string>& journal, bool initSucceeds = true)
        : label(std::move(label)), journal(journal), initSucceeds(initSucceeds) {}

    bool init(int32_t phase) override {
        journal.push_back(label + " init " + std::to_string(phase));
        return initSucceeds;
    }
    bool render(int32_t) override { return true; }
    void release() override { journal.push_back(label + " release"); }

    std::string label;
    std::vector<std::string>& journal;
    bool initSucceeds;
};

class SceneTimelineTest : public ::testing::Test {
protected:
    ProbeScene& schedule(const char* label, int32_t start, int32_t end, bool initSucceeds = true) {
        scenes.push_back(std::make_unique<ProbeScene>(label, journal, initSucceeds));
        scenes.back()->startMs = start;
        scenes.back()->endMs = end;
        timeline.add(scenes.back().get());
        return *scenes.back();
    }

    std::vector<std::string> activeAt(int32_t now) {
        timeline.updateActive(now);
        std::vector<std::string> labels;
        while (Scene* scene = timeline.nextActive()) labels.push_back(static_cast<ProbeScene*>(scene)->label);
        return labels;
    }

    std::vector<std::string> journal;
    std::vector<std::unique_ptr<ProbeScene>> scenes;
    SceneTimeline timeline;
};

using Labels = std::vector<std::string>;

TEST_F(SceneTimelineTest, IntervalsIncludeTheStartAndExcludeTheEndAndComeInOrderOfAddition) {
    schedule("Lightball", 65000, 134000);
    schedule("Flares", 39500, 70000);
    EXPECT_EQ(activeAt(39499), Labels{});
    EXPECT_EQ(activeAt(39500), Labels{"Flares"});
    EXPECT_EQ(activeAt(65000), (Labels{"Lightball", "Flares"}));
    EXPECT_EQ(activeAt(69999), (Labels{"Lightball", "Flares"}));
    EXPECT_EQ(activeAt(70000), Labels{"Lightball"});
    EXPECT_EQ(activeAt(-1), Labels{});
}

TEST_F(SceneTimelineTest, InitAllHandsOverTheRegistryAndStopsAtTheFirstFailure) {
    auto* registry = reinterpret_cast<TextureRegistry*>(&journal);
    timeline.textures = registry;
    schedule("A", 0, 1);
    schedule("B", 0, 1, false);
    schedule("C", 0, 1);
    EXPECT_EQ(timeline.initAll(0), scenes[1].get());
    EXPECT_EQ(journal, (Labels{"A init 0", "B init 0"}));
    EXPECT_EQ(scenes[0]->textures, registry);
    EXPECT_EQ(scenes[1]->textures, registry);
    EXPECT_EQ(scenes[2]->textures, nullptr);

    scenes[1]->initSucceeds = true;
    journal.clear();
    EXPECT_EQ(timeline.initAll(2), nullptr);
    EXPECT_EQ(scenes[2]->textures, registry);
    timeline.releaseAll();
    EXPECT_EQ(journal, (Labels{"A init 2", "B init 2", "C init 2", "A release", "B release", "C release"}));
}

}  // namespace
