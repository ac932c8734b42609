#pragma once
// Fills the whole frame with opaque white and clears the depth buffer. The clear colour stays
// white afterwards, so a later scene that clears without setting its own also clears to white.
#include "runtime/Scene.h"

class ClearInWhiteScene : public Scene {
public:
    bool init(int32_t phase) override;
    bool render(int32_t localMs) override;
};
