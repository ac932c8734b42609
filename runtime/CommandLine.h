#pragma once
// The command line of tarvo, the same for every backend.
#include <cstdint>
#include <string>

#include "platform/Platform.h"

struct PlayerOptions {
    bool fullscreen = true;  // full screen first, as the programme always started
    platform::FullScreenKind fullScreenKind = platform::FullScreenKind::Desktop;
    int32_t width = 640;     // the size the programme renders at
    int32_t height = 480;
    int32_t startMs = 0;     // timeline time of the first frame, and the music's position then
    bool mute = false;
    platform::VSync vsync = platform::VSync::DriverDefault;
};

enum class CommandLineAction { Play, ShowHelp, ShowVersion, Refuse };

// Reads the options after argv[0] into `options`, which starts from the defaults; plain
// --fullscreen means `platformFullScreen`, the backend's own kind. Refuse comes with a message
// for the user in `error`.
CommandLineAction parseCommandLine(int argc, const char* const* argv, platform::FullScreenKind platformFullScreen,
                                   PlayerOptions& options, std::string& error);

extern const char* const playerUsage;
