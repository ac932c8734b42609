#include "runtime/SceneTimeline.h"

SceneTimeline::SceneTimeline() : scenes(new PtrList), cursor(nullptr), active(new PtrList), textures(nullptr) {}

SceneTimeline::~SceneTimeline() {
    delete scenes;
    delete active;
}

void SceneTimeline::add(Scene* scene) { scenes->append(scene); }

void SceneTimeline::updateActive(int32_t now) {
    active->clear();
    cursor = nullptr;
    for (PtrNode* node = scenes->head; node != nullptr; node = node->next) {
        Scene* scene = static_cast<Scene*>(node->data);
        if (scene->startMs <= now && now < scene->endMs) active->append(scene);
    }
}

Scene* SceneTimeline::nextActive() {
    cursor = cursor == nullptr ? active->head : cursor->next;
    return cursor != nullptr ? static_cast<Scene*>(cursor->data) : nullptr;
}

Scene* SceneTimeline::initAll(int32_t phase) {
    for (PtrNode* node = scenes->head; node != nullptr; node = node->next) {
        Scene* scene = static_cast<Scene*>(node->data);
        scene->textures = textures;
        if (!scene->init(phase)) return scene;
    }
    return nullptr;
}

void SceneTimeline::releaseAll() {
    for (PtrNode* node = scenes->head; node != nullptr; node = node->next) static_cast<Scene*>(node->data)->release();
}
