#include "runtime/Programme.h"

#include <cstdio>
#include <string>

#include "runtime/CommandLine.h"

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

// The scenes of the programme, without the music.
void scheduleScenes(Demo& demo) {
    // The order of addition is the order of drawing: the tunnel clears the frame and sets the
    // projection the helix and the flares draw with; the credits float over the lightball.
    demo.addScene(&tunnel, 0, 65000);
    demo.addScene(&helix, 13000, 45000);
    demo.addScene(&lightball, 65000, 134000);
    demo.addScene(&credits, 65000, 120000);
    demo.addScene(&flares, 39500, 70000);
    demo.addScene(&greets, 134000, programmeEndMs);
}

}  // namespace

void scheduleProgramme(Demo& demo) {
    demo.loadMusic(soundtrackResourceId);
    scheduleScenes(demo);
}

int32_t playProgramme(const PlayerOptions& options) {
    Demo demo(programmeWindow.title, options.width, options.height, programmeWindow.bits, options.fullscreen);
    // Muted, nothing is loaded, so nothing plays.
    if (!options.mute) demo.loadMusic(soundtrackResourceId);
    scheduleScenes(demo);
    return demo.run(options.startMs, options.startMs);
}

int playerMain(int argc, const char* const* argv, platform::FullScreenKind platformFullScreen) {
    PlayerOptions options;
    std::string error;
    switch (parseCommandLine(argc, argv, platformFullScreen, options, error)) {
    case CommandLineAction::ShowHelp: std::fputs(playerUsage, stdout); return 0;
    case CommandLineAction::ShowVersion: std::printf("tarvo %s\n", TARVO_VERSION); return 0;
    case CommandLineAction::Refuse:
        std::fprintf(stderr, "tarvo: %s\nTry 'tarvo --help' for the options.\n", error.c_str());
        return 2;
    case CommandLineAction::Play: break;
    }
    const char* reason = "";
    if (!platform::openDisplay(reason)) {
        std::fprintf(stderr, "tarvo: no display to show the demo on (%s)\n", reason);
        return 1;
    }
    platform::setDisplayChoices({options.fullScreenKind, options.vsync});
    return playProgramme(options);
}
