#include "tools/capture/SceneCatalogue.h"

#include "scenes/TunnelScene.h"

const std::vector<Scene*>& sceneClasses() {
    static TunnelScene tunnel;
    static const std::vector<Scene*> scenes = [] {
        std::vector<Scene*> all = {&tunnel};
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
