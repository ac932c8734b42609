#include "runtime/Programme.h"

#include "scenes/TunnelScene.h"

namespace {

// One object of each scheduled scene class, alive until the process ends.
TunnelScene tunnel;

}  // namespace

void scheduleProgramme(Demo& demo) {
    demo.loadMusic(soundtrackResourceId);
    demo.addScene(&tunnel, 0, 65000);
}

int32_t playProgramme(const WindowSettings& window) {
    Demo demo(window.title, window.width, window.height, window.bits, window.fullscreen);
    scheduleProgramme(demo);
    return demo.run(0);
}
