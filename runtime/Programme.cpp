#include "runtime/Programme.h"

#include "scenes/CreditsScene.h"
#include "scenes/FlaresScene.h"
#include "scenes/GreetsScene.h"
#include "scenes/HelixScene.h"
#include "scenes/LightballScene.h"
#include "scenes/TunnelScene.h"

namespace {

// One object of each scheduled scene class, alive until the process ends.
HelixScene helix;
FlaresScene flares;
TunnelScene tunnel;
LightballScene lightball;
CreditsScene credits;
GreetsScene greets;

}  // namespace

void scheduleProgramme(Demo& demo) {
    demo.loadMusic(soundtrackResourceId);
    // The order of addition is the order of drawing: the tunnel clears the frame and sets the
    // projection the helix and the flares draw with; the credits float over the lightball.
    demo.addScene(&tunnel, 0, 65000);
    demo.addScene(&helix, 13000, 45000);
    demo.addScene(&lightball, 65000, 134000);
    demo.addScene(&credits, 65000, 120000);
    demo.addScene(&flares, 39500, 70000);
    demo.addScene(&greets, 134000, 155000);
}

int32_t playProgramme(const WindowSettings& window) {
    Demo demo(window.title, window.width, window.height, window.bits, window.fullscreen);
    scheduleProgramme(demo);
    return demo.run(0);
}
