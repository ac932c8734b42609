#include "runtime/CommandLine.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

using platform::FullScreenKind;
using platform::VSync;

namespace {

struct Parsed {
    CommandLineAction action;
    PlayerOptions options;
    std::string error;
};

Parsed parse(std::initializer_list<const char*> arguments, FullScreenKind platformKind = FullScreenKind::Desktop) {
    std::vector<const char*> argv = {"tarvo"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    Parsed parsed;
    parsed.action = parseCommandLine(static_cast<int>(argv.size()), argv.data(), platformKind, parsed.options,
                                     parsed.error);
    return parsed;
}

TEST(CommandLine, NoOptionsPlayTheProgrammeAsAlwaysInTheBackendsFullScreen) {
    for (FullScreenKind kind : {FullScreenKind::Desktop, FullScreenKind::DisplayMode}) {
        const Parsed parsed = parse({}, kind);
        ASSERT_EQ(parsed.action, CommandLineAction::Play);
        EXPECT_TRUE(parsed.options.fullscreen);
        EXPECT_EQ(parsed.options.fullScreenKind, kind);
        EXPECT_EQ(parsed.options.width, 640);
        EXPECT_EQ(parsed.options.height, 480);
        EXPECT_EQ(parsed.options.startMs, 0);
        EXPECT_FALSE(parsed.options.mute);
        EXPECT_EQ(parsed.options.vsync, VSync::DriverDefault);
    }
}

TEST(CommandLine, EveryOptionIsReadInBothSpellingsAndTheLastOneWins) {
    const Parsed parsed = parse({"--fullscreen=desktop", "--windowed", "--size", "800x600", "--start=20000", "--mute",
                                 "--no-vsync"},
                                FullScreenKind::DisplayMode);
    ASSERT_EQ(parsed.action, CommandLineAction::Play) << parsed.error;
    EXPECT_FALSE(parsed.options.fullscreen);
    EXPECT_EQ(parsed.options.fullScreenKind, FullScreenKind::Desktop);
    EXPECT_EQ(parsed.options.width, 800);
    EXPECT_EQ(parsed.options.height, 600);
    EXPECT_EQ(parsed.options.startMs, 20000);
    EXPECT_TRUE(parsed.options.mute);
    EXPECT_EQ(parsed.options.vsync, VSync::Off);

    const Parsed again =
        parse({"--windowed", "--fullscreen=mode", "--size=1440x1080", "--start", "154999", "--vsync"});
    ASSERT_EQ(again.action, CommandLineAction::Play) << again.error;
    EXPECT_TRUE(again.options.fullscreen);
    EXPECT_EQ(again.options.fullScreenKind, FullScreenKind::DisplayMode);
    EXPECT_EQ(again.options.width, 1440);
    EXPECT_EQ(again.options.height, 1080);
    EXPECT_EQ(again.options.startMs, 154999);  // the programme's last moment
    EXPECT_EQ(again.options.vsync, VSync::On);
}

TEST(CommandLine, PlainFullScreenMeansTheBackendsKind) {
    EXPECT_EQ(parse({"--fullscreen=desktop", "--fullscreen"}, FullScreenKind::DisplayMode).options.fullScreenKind,
              FullScreenKind::DisplayMode);
    EXPECT_EQ(parse({"--fullscreen=mode", "--fullscreen"}, FullScreenKind::Desktop).options.fullScreenKind,
              FullScreenKind::Desktop);
}

TEST(CommandLine, HelpAndVersionAnswerWhateverElseIsThere) {
    EXPECT_EQ(parse({"--help"}).action, CommandLineAction::ShowHelp);
    EXPECT_EQ(parse({"--windowed", "--version", "--bogus"}).action, CommandLineAction::ShowVersion);
}

TEST(CommandLine, AnythingNotUnderstoodIsRefusedWithTheReason) {
    const struct {
        std::initializer_list<const char*> arguments;
        const char* error;
    } cases[] = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"-w"}, "unexpected argument -w"},
        {{"demo.xm"}, "unexpected argument demo.xm"},
        {{"--fullscreen=exclusive"}, "bad value for --fullscreen: exclusive (desktop or mode)"},
        {{"--windowed=yes"}, "--windowed takes no value"},
        {{"--size"}, "missing value for --size"},
        {{"--size", "640"}, "bad value for --size: 640"},
        {{"--size", "0x480"}, "bad value for --size: 0x480"},
        {{"--size", "640x-480"}, "bad value for --size: 640x-480"},
        {{"--size", "9000x480"}, "bad value for --size: 9000x480"},
        {{"--size=640x480x32"}, "bad value for --size: 640x480x32"},
        {{"--start"}, "missing value for --start"},
        {{"--start", "-1"}, "bad value for --start: -1"},
        {{"--start", "12s"}, "bad value for --start: 12s"},
        {{"--start", "155000"}, "bad value for --start: 155000"},
    };
    for (const auto& bad : cases) {
        const Parsed parsed = parse(bad.arguments);
        EXPECT_EQ(parsed.action, CommandLineAction::Refuse) << bad.error;
        EXPECT_EQ(parsed.error, bad.error);
    }
}

}  // namespace
