// The instruments as libopenmpt plays them: tonal ones in tune, drums short and centred.
#include <gtest/gtest.h>

#include <cmath>

#include "Instruments.h"
#include "Score.h"
#include "XmRendering.h"

namespace {

using namespace soundtrack;

const std::vector<XmInstrument>& instruments() {
    static const std::vector<XmInstrument> all = makeInstruments();
    return all;
}

// A module that plays one note of one instrument and holds it.
std::vector<uint8_t> oneNote(int instrument, int note) {
    XmModule module;
    module.speed = 6;
    module.bpm = 125;
    module.instruments = {instruments().at(instrument - 1)};
    Score score(64, 2);
    score.play(0, 0, note, 1, 64);
    score.writePatterns({0}, module);
    return writeXm(module);
}

// Power-weighted mean frequency across a band, so that detuned voices count from their centre.
double centreFrequency(const std::vector<float>& signal, double low, double high) {
    double weighted = 0, total = 0;
    for (double f = low; f <= high; f += 0.25) {
        const double p = soundtrack_test::powerAt(signal, f);
        weighted += f * p;
        total += p;
    }
    return weighted / total;
}

double cents(double hz, double reference) { return 1200 * std::log2(hz / reference); }

TEST(Tuning, EveryTonalInstrumentPlaysA4At440Hz) {
    for (int instrument : {kBass, kPad, kLead, kPluck, kBell}) {
        std::vector<float> sound = soundtrack_test::renderLeft(oneNote(instrument, noteNumber("A4")), 0.6);
        ASSERT_EQ(sound.size(), static_cast<size_t>(0.6 * soundtrack_test::kRate));
        sound.erase(sound.begin(), sound.begin() + soundtrack_test::kRate / 10);  // past the attack
        const double peak = soundtrack_test::strongestFrequency(sound, 380, 500);
        // Detuned voices may put the strongest 13.5 cents off; their centre is in tune.
        EXPECT_NEAR(cents(peak, 440), 0, 15) << instruments()[instrument - 1].name << " peaks at " << peak;
        EXPECT_NEAR(cents(centreFrequency(sound, 420, 460), 440), 0, 3) << instruments()[instrument - 1].name;
    }
}

TEST(Instruments, DrumsAreOneShotsThatDieAway) {
    for (int drum : {kKick, kSnare, kClosedHat, kOpenHat, kCrash}) {
        const XmSample& s = instruments().at(drum - 1).sample;
        EXPECT_EQ(s.loopLength, 0u) << s.name;
        EXPECT_LT(std::abs(s.data.back()), 64) << s.name << " ends with a click";
        int16_t loudest = 0;
        for (int16_t v : s.data) loudest = std::max<int16_t>(loudest, static_cast<int16_t>(std::abs(v)));
        EXPECT_GT(loudest, 16000) << s.name << " is normalised";
    }
}

TEST(Instruments, LoopsJoinWithoutAStep) {
    for (int instrument : {kBass, kPad, kLead}) {
        const XmSample& s = instruments().at(instrument - 1).sample;
        ASSERT_GT(s.loopLength, 0u) << s.name;
        ASSERT_EQ(s.loopStart + s.loopLength, s.data.size()) << s.name;
        // The frame after the loop's end is its start: the jump must look like any other step.
        const int jump = std::abs(s.data[s.loopStart] - s.data.back());
        int largestStep = 0;
        for (size_t i = s.loopStart + 1; i < s.data.size(); ++i)
            largestStep = std::max(largestStep, std::abs(s.data[i] - s.data[i - 1]));
        EXPECT_LE(jump, largestStep) << s.name;
    }
}

}  // namespace
