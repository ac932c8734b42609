#include "tools/capture/CaptureOptions.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

struct Parsed {
    bool ok;
    CaptureOptions options;
    std::string error;
};

Parsed parse(std::initializer_list<const char*> arguments) {
    std::vector<const char*> argv = {"tarvo-capture"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    Parsed parsed;
    parsed.ok = parseCaptureOptions(static_cast<int>(argv.size()), argv.data(), parsed.options, parsed.error);
    return parsed;
}

TEST(CaptureOptions, TimesAreSortedAndEveryOptionIsRead) {
    const Parsed parsed = parse({"--at", "62500,0,5500,0", "--out", "frames", "--fps", "50", "--size", "800x600",
                                 "--overlay", "--audio", "a.wav"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.times, (std::vector<int32_t>{0, 5500, 62500}));
    EXPECT_EQ(parsed.options.outDir, "frames");
    EXPECT_EQ(parsed.options.fpsNumerator, 50);
    EXPECT_EQ(parsed.options.fpsDenominator, 1);
    EXPECT_EQ(parsed.options.width, 800);
    EXPECT_EQ(parsed.options.height, 600);
    EXPECT_TRUE(parsed.options.overlay);
    EXPECT_EQ(parsed.options.audioPath, "a.wav");
}

TEST(CaptureOptions, OneSceneAloneAndTheSceneList) {
    const Parsed alone = parse({"--scene", "Velmora Logo", "--length", "9000", "--all-frames"});
    ASSERT_TRUE(alone.ok) << alone.error;
    EXPECT_EQ(alone.options.scene, "Velmora Logo");
    EXPECT_EQ(alone.options.lengthMs, 9000);
    EXPECT_TRUE(alone.options.allFrames);
    EXPECT_TRUE(parse({"--scene", "list"}).ok);
    EXPECT_EQ(parse({"--scene", "Tunnel"}).options.lengthMs, 10000);
}

TEST(CaptureOptions, VideoWithItsSettings) {
    const Parsed parsed = parse({"--video", "out/tarvo.webm", "--fps", "60000/1001", "--size", "3840x2160", "--crf",
                                 "18", "--preset", "slow"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.videoPath, "out/tarvo.webm");
    EXPECT_EQ(parsed.options.fpsNumerator, 60000);
    EXPECT_EQ(parsed.options.fpsDenominator, 1001);
    EXPECT_EQ(parsed.options.crf, 18);
    EXPECT_EQ(parsed.options.preset, "slow");
    EXPECT_TRUE(parse({"--video", "a.mkv"}).ok);
    EXPECT_TRUE(parse({"--help", "--bogus-later-is-still-an-error"}).error.find("unknown") == 0);
    EXPECT_TRUE(parse({"--version"}).options.version);
}

TEST(CaptureOptions, NonsenseIsRefusedWithAReason) {
    EXPECT_EQ(parse({}).error, "--video, --at or --all-frames is required");
    EXPECT_EQ(parse({"--at", "1", "--speed", "2"}).error, "unknown option --speed");
    for (auto arguments : {std::initializer_list<const char*>{"--bogus"}, {"--at", "0", "--bogus"},
                           {"--bogus", "--at", "0"}, {"--at", "0", "--overlay", "--bogus", "1"}})
        EXPECT_EQ(parse(arguments).error, "unknown option --bogus");
    EXPECT_EQ(parse({"--at"}).error, "missing value for --at");
    for (const char* bad : {"", "1,,2", "-5", "1x", "99999999999"}) EXPECT_FALSE(parse({"--at", bad}).ok) << bad;
    for (const char* bad : {"640", "0x480", "640x", "x480", "640x480x2"})
        EXPECT_FALSE(parse({"--at", "0", "--size", bad}).ok) << bad;
    for (const char* bad : {"0", "1/2", "1001/0", "60/", "/1", "60000/1001/1", "1001"})
        EXPECT_FALSE(parse({"--at", "0", "--fps", bad}).ok) << bad;
    EXPECT_FALSE(parse({"--at", "0", "--length", "0"}).ok);
    EXPECT_EQ(parse({"--video", "x.avi"}).error, "bad value for --video: x.avi (it must end in .mp4, .mkv or .webm)");
    EXPECT_EQ(parse({"--video", "x.mp4", "--size", "641x480"}).error, "--video needs an even width and height");
    for (const char* bad : {"-1", "52"}) EXPECT_FALSE(parse({"--video", "x.mp4", "--crf", bad}).ok) << bad;
    EXPECT_FALSE(parse({"--video", "x.mp4", "--preset", "warp"}).ok);
}

}  // namespace
