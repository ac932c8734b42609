// What every scene class asks for at start-up: its display name in every phase, and the pictures
// it draws with, by resource id, with or without alpha, requested once however often it is
// initialised again.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include "platform/TextureRegistry.h"
#include "scenes/ClearInWhiteScene.h"
#include "scenes/CreditsScene.h"
#include "scenes/FlaresScene.h"
#include "scenes/FlowerPowerScene.h"
#include "scenes/GreetsScene.h"
#include "scenes/HelixScene.h"
#include "scenes/LightballScene.h"
#include "scenes/TestScene.h"
#include "scenes/TunnelScene.h"
#include "scenes/VelmoraLogoScene.h"

namespace {

constexpr int32_t alpha = TextureRegistry::withAlpha;
using Requests = std::vector<std::pair<int32_t, int32_t>>;  // resource id and flags, in request order

struct SceneClass {
    std::function<std::unique_ptr<Scene>()> make;
    const char* name;
    Requests requests;
};

void PrintTo(const SceneClass& sceneClass, std::ostream* out) { *out << sceneClass.name; }

template <class S>
std::function<std::unique_ptr<Scene>()> make() {
    return [] { return std::make_unique<S>(); };
}

class SceneInit : public ::testing::TestWithParam<SceneClass> {};

TEST_P(SceneInit, NamesItselfInEveryPhaseAndRequestsItsPicturesOnce) {
    TextureRegistry registry;
    const std::unique_ptr<Scene> scene = GetParam().make();
    scene->textures = &registry;
    for (int32_t phase : {0, 1, 2, 0}) {
        scene->name[0] = '\0';
        ASSERT_TRUE(scene->init(phase)) << phase;
        EXPECT_STREQ(scene->name, GetParam().name) << phase;
    }
    Requests requests;
    for (const PtrNode* node = registry.entries.head; node != nullptr; node = node->next) {
        const auto* entry = static_cast<const TextureEntry*>(node->data);
        requests.emplace_back(entry->resourceId, entry->flags);
    }
    EXPECT_EQ(requests, GetParam().requests);
}

INSTANTIATE_TEST_SUITE_P(
    EveryClass, SceneInit,
    ::testing::Values(SceneClass{make<TunnelScene>(), "Tunnel", {{117, 0}}},
                      SceneClass{make<HelixScene>(), "Helix", {{136, alpha}}},
                      SceneClass{make<FlaresScene>(), "Flares", {{111, 0}}},
                      SceneClass{make<LightballScene>(), "Lightball", {{116, 0}}},
                      SceneClass{make<CreditsScene>(), "Credits", {{103, alpha}, {105, alpha}, {104, alpha}}},
                      SceneClass{make<GreetsScene>(), "Greets & Stuff", {{138, 0}, {139, 0}, {141, 0}}},
                      SceneClass{make<ClearInWhiteScene>(), "Clear in White", {}},
                      SceneClass{make<VelmoraLogoScene>(), "Velmora Logo", {{113, alpha}}},
                      SceneClass{make<FlowerPowerScene>(), "Flower Power!", {{129, alpha}}},
                      SceneClass{make<TestScene>(), "Test Scene", {{117, 0}}}));

}  // namespace
