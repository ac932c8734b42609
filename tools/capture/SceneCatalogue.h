#pragma once
// Every scene class of the demo, scheduled or not, so each can be watched alone.
#include <string>
#include <vector>

#include "runtime/Scene.h"

// One object of each scene class, its display name set.
const std::vector<Scene*>& sceneClasses();
// The scene class with this display name; none when there is no such class.
Scene* findSceneClass(const std::string& displayName);
