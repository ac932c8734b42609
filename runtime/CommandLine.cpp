#include "runtime/CommandLine.h"

#include "runtime/OptionValues.h"
#include "runtime/Programme.h"

const char* const playerUsage =
    "usage: tarvo [OPTION]...\n"
    "Plays the demo: 155 seconds of real-time 3-D pictures and music, then quits.\n"
    "Escape quits, F11 switches between full screen and a window, F12 shows statistics.\n"
    "\n"
    "  --fullscreen[=KIND]  start full screen (the default). KIND is 'desktop', a borderless\n"
    "                       window over the whole desktop that keeps the monitor's mode and\n"
    "                       scales the picture to fit (the default on Linux), or 'mode', the\n"
    "                       display switched to the picture's size (the default on Windows)\n"
    "  --windowed           start in a window\n"
    "  --size WxH           render the picture at W x H pixels (default 640x480); on a 1920x1080\n"
    "                       screen, 1440x1080 gives a sharp picture\n"
    "  --start MS           begin MS milliseconds into the programme, the music with it\n"
    "  --mute               play without sound\n"
    "  --vsync, --no-vsync  show each frame at the screen's refresh, or as soon as it is drawn;\n"
    "                       by default the graphics driver decides, as it always has (most\n"
    "                       drivers wait for the refresh, which avoids tearing)\n"
    "  --help               show this help and exit\n"
    "  --version            show the version and exit\n";

namespace {

constexpr int32_t maxSide = 8192;

struct Reader {
    int argc;
    const char* const* argv;
    int next = 1;
    std::string& error;

    bool refuse(const std::string& text) {
        error = text;
        return false;
    }

    // The value of `name`, given as --name=VALUE or as the next argument.
    bool value(const std::string& argument, const std::string& name, std::string& out) {
        if (argument.size() > name.size()) {
            out = argument.substr(name.size() + 1);
            return true;
        }
        if (next >= argc) return refuse("missing value for " + name);
        out = argv[next++];
        return true;
    }
};

// The option's name: the argument up to an '='.
std::string nameOf(const std::string& argument) { return argument.substr(0, argument.find('=')); }

bool readFullScreen(const std::string& argument, platform::FullScreenKind platformKind, PlayerOptions& options,
                    Reader& reader) {
    options.fullscreen = true;
    if (argument == "--fullscreen")
        options.fullScreenKind = platformKind;
    else if (argument == "--fullscreen=desktop")
        options.fullScreenKind = platform::FullScreenKind::Desktop;
    else if (argument == "--fullscreen=mode")
        options.fullScreenKind = platform::FullScreenKind::DisplayMode;
    else
        return reader.refuse("bad value for --fullscreen: " + argument.substr(sizeof "--fullscreen") +
                             " (desktop or mode)");
    return true;
}

// One option with its value; false with the reason in reader.error.
bool readOption(const std::string& argument, platform::FullScreenKind platformKind, PlayerOptions& options,
                Reader& reader) {
    const std::string name = nameOf(argument);
    const bool hasValue = name.size() < argument.size();
    if (name == "--fullscreen") return readFullScreen(argument, platformKind, options, reader);
    if (name == "--size" || name == "--start") {
        std::string text;
        if (!reader.value(argument, name, text)) return false;
        const bool valid = name == "--size"
                               ? cli::parseSize(text, maxSide, options.width, options.height)
                               : cli::parseInteger(text, 0, programmeEndMs - 1, options.startMs);
        return valid || reader.refuse("bad value for " + name + ": " + text);
    }
    if (hasValue) return reader.refuse(name + " takes no value");
    if (name == "--windowed")
        options.fullscreen = false;
    else if (name == "--mute")
        options.mute = true;
    else if (name == "--vsync" || name == "--no-vsync")
        options.vsync = name == "--vsync" ? platform::VSync::On : platform::VSync::Off;
    else
        return reader.refuse(name.rfind("--", 0) == 0 ? "unknown option " + name
                                                      : "unexpected argument " + argument);
    return true;
}

}  // namespace

CommandLineAction parseCommandLine(int argc, const char* const* argv, platform::FullScreenKind platformFullScreen,
                                   PlayerOptions& options, std::string& error) {
    options.fullScreenKind = platformFullScreen;
    Reader reader{argc, argv, 1, error};
    while (reader.next < argc) {
        const std::string argument = argv[reader.next++];
        // Help and version answer at once, whatever else the line holds.
        if (argument == "--help") return CommandLineAction::ShowHelp;
        if (argument == "--version") return CommandLineAction::ShowVersion;
        if (!readOption(argument, platformFullScreen, options, reader)) return CommandLineAction::Refuse;
    }
    return CommandLineAction::Play;
}
