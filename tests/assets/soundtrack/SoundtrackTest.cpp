// The finished soundtrack as libopenmpt plays it: length, levels and timing against the programme.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <sstream>

#include "Soundtrack.h"
#include "XmRendering.h"

namespace {

using soundtrack_test::Rendering;

// The demo's programme: the scene changes the music must follow, and its end.
const double kSceneChanges[] = {13.0, 39.5, 65.0, 134.0};
constexpr double kEnd = 155.0;

// The module and what it sounds like, made once per process on first use.
const std::vector<uint8_t>& bytes() {
    static const std::vector<uint8_t> module = composeSoundtrack();
    return module;
}
const Rendering& heard() {
    static const Rendering rendering = soundtrack_test::render(bytes());
    return rendering;
}

TEST(Soundtrack, IsAnXmModuleThatLoadsCleanly) {
    ASSERT_GE(bytes().size(), 336u);
    EXPECT_EQ(std::string(bytes().begin(), bytes().begin() + 17), "Extended Module: ");
    std::ostringstream log;
    openmpt::module module(bytes(), log);
    EXPECT_EQ(module.get_metadata("type"), "xm");
    EXPECT_EQ(heard().log, "") << "libopenmpt warned while loading";
    // Drums, bass, pads, lead and more, all named.
    ASSERT_GE(module.get_num_instruments(), 5);
    for (const std::string& name : module.get_instrument_names()) EXPECT_FALSE(name.empty());
}

TEST(Soundtrack, LastsAsLongAsTheProgrammeAndStops) {
    std::ostringstream log;
    openmpt::module module(bytes(), log, {{"play.at_end", "stop"}});
    EXPECT_NEAR(module.get_duration_seconds(), kEnd, 0.5);
    // Rendered to the end it lasts as long, and never loops back to its start.
    EXPECT_NEAR(heard().seconds(), kEnd, 0.5);
}

TEST(Soundtrack, APatternStartsAtEverySceneChange) {
    std::ostringstream log;
    openmpt::module module(bytes(), log);
    std::vector<double> patternStarts;
    for (int order = 0; order < module.get_num_orders(); ++order)
        patternStarts.push_back(module.set_position_order_row(order, 0));
    for (double change : kSceneChanges) {
        bool found = false;
        for (double start : patternStarts) found = found || std::abs(start - change) < 0.001;
        EXPECT_TRUE(found) << "no pattern starts at " << change << " s";
    }
}

TEST(Soundtrack, NeverClipsYetIsClearlyAudible) {
    EXPECT_LT(heard().peak, 1.0f);
    EXPECT_GT(heard().peak, 0.25f);
}

TEST(Soundtrack, PlaysThroughoutAndFadesOutAtTheEnd) {
    for (double t = 0; t + 1 < kEnd - 2; t += 1)
        EXPECT_GT(heard().loudnessDb(t, t + 1), -45.0) << "near silence at " << t << " s";
    EXPECT_LT(heard().loudnessDb(kEnd - 0.25, kEnd), heard().loudnessDb(kEnd - 10, kEnd - 5) - 30);
}

TEST(Soundtrack, BuildsUpAndCalmsDownWithTheScenes) {
    const Rendering& r = heard();
    const double opening = r.loudnessDb(0, 13), tunnel = r.loudnessDb(13, 39.5), cube = r.loudnessDb(39.5, 65);
    EXPECT_GT(tunnel, opening + 2) << "the full groove arrives with the logo fan";
    EXPECT_GT(cube, opening + 2);
    EXPECT_LT(r.loudnessDb(65, 75), cube - 3) << "the credits open quietly";
    // Each drop lands on its scene change: the second after it is louder than the break before.
    for (double change : {13.0, 39.5})
        EXPECT_GT(r.loudnessDb(change, change + 1), r.loudnessDb(change - 1.5, change - 0.5)) << change << " s";
}

}  // namespace
