#include "scenes/ClearInWhiteScene.h"

#include <cstring>

#include "platform/GL.h"

bool ClearInWhiteScene::init(int32_t) {
    std::strcpy(name, "Clear in White");
    return true;
}

bool ClearInWhiteScene::render(int32_t) {
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return true;
}
