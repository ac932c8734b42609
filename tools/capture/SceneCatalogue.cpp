#include "tools/capture/SceneCatalogue.h"

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

const std::vector<Scene*>& sceneClasses() {
    static TunnelScene tunnel;
    static HelixScene helix;
    static FlaresScene flares;
    static LightballScene lightball;
    static CreditsScene credits;
    static GreetsScene greets;
    static ClearInWhiteScene clearInWhite;
    static VelmoraLogoScene velmoraLogo;
    static FlowerPowerScene flowerPower;
    static TestScene testScene;
    static const std::vector<Scene*> scenes = [] {
        std::vector<Scene*> all = {&tunnel, &helix,        &flares,      &lightball,   &credits,
                                   &greets, &clearInWhite, &velmoraLogo, &flowerPower, &testScene};
        // Every phase but the first only names the scene.
        for (Scene* scene : all) scene->init(1);
        return all;
    }();
    return scenes;
}

Scene* findSceneClass(const std::string& displayName) {
    for (Scene* scene : sceneClasses())
        if (displayName == scene->name) return scene;
    return nullptr;
}
