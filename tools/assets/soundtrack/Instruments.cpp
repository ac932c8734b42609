#include "Instruments.h"

#include <algorithm>
#include <cstdint>

#include "FixedPoint.h"

namespace soundtrack {
namespace {

// Drums are synthesised at 4 x 8363 Hz, the rate at which relative note +24 plays C-4.
constexpr int kDrumRate = 33452;
constexpr int8_t kDrumRelativeNote = 24;

using Signal = std::vector<int64_t>;  // Q30

constexpr int64_t framesOfMs(int64_t ms, int rate = kDrumRate) { return rate * ms / 1000; }

// Scales the signal so that its loudest frame reaches `peak`.
std::vector<int16_t> toPcm(const Signal& s, int64_t peak = 30000) {
    int64_t loudest = 1;
    for (int64_t v : s) loudest = std::max(loudest, v < 0 ? -v : v);
    std::vector<int16_t> pcm(s.size());
    std::transform(s.begin(), s.end(), pcm.begin(),
                   [&](int64_t v) { return static_cast<int16_t>(v * peak / loudest); });
    return pcm;
}

// Linear fades at either end, so a one-shot neither clicks on nor stops with a click.
void fadeEnds(Signal& s, int64_t in, int64_t out) {
    const auto n = static_cast<int64_t>(s.size());
    for (int64_t i = 0; i < in && i < n; ++i) s[i] = s[i] * i / in;
    for (int64_t i = 0; i < out && i < n; ++i) s[n - 1 - i] = s[n - 1 - i] * i / out;
}

Signal kick() {
    Signal s(framesOfMs(420));
    Noise noise(0x4B1C);
    OnePoleLowPass clickTone;
    const int64_t clickCoefficient = onePoleCoefficientQ16(3000, kDrumRate);
    uint32_t phase = 0;
    for (int64_t i = 0; i < static_cast<int64_t>(s.size()); ++i) {
        // The pitch drops from 178 Hz to 48 Hz within a few tens of milliseconds: the thump.
        const int64_t hzQ16 = (int64_t{48} << 16) + ((130 * exp2NegQ30(i, framesOfMs(22))) >> 14);
        phase += phaseStep(hzQ16, kDrumRate);
        const int64_t body = mulQ30(sineQ30(phase), exp2NegQ30(i, framesOfMs(95)));
        const int64_t click = mulQ30(clickTone.process(noise.nextQ30(), clickCoefficient), exp2NegQ30(i, 60));
        s[i] = softClipQ30(body * 13 / 10 + click / 3);
    }
    fadeEnds(s, 0, static_cast<int64_t>(s.size()) / 6);
    return s;
}

Signal snare() {
    Signal s(framesOfMs(320));
    Noise noise(0x5EED);
    OnePoleLowPass low, high;
    const int64_t lowCut = onePoleCoefficientQ16(1500, kDrumRate);
    const int64_t highCut = onePoleCoefficientQ16(9000, kDrumRate);
    uint32_t body = 0, overtone = 0;
    for (int64_t i = 0; i < static_cast<int64_t>(s.size()); ++i) {
        body += phaseStep((int64_t{175} << 16) + ((40 * exp2NegQ30(i, framesOfMs(10))) >> 14), kDrumRate);
        overtone += phaseStep(int64_t{330} << 16, kDrumRate);
        const int64_t tone = mulQ30(sineQ30(body), exp2NegQ30(i, framesOfMs(28))) * 6 / 10 +
                             mulQ30(sineQ30(overtone), exp2NegQ30(i, framesOfMs(18))) * 3 / 10;
        const int64_t x = noise.nextQ30();
        const int64_t rattle = high.process(x - low.process(x, lowCut), highCut);
        s[i] = tone + mulQ30(rattle, exp2NegQ30(i, framesOfMs(55))) * 9 / 10;
    }
    fadeEnds(s, 8, static_cast<int64_t>(s.size()) / 5);
    return s;
}

// Hats and cymbals: six square waves at inharmonic ratios for the metal, noise for the air,
// through a two-stage high-pass, decaying with the given half-life.
Signal cymbal(int ms, int halfLifeMs, int highPassHz, int noisePercent, uint32_t seed) {
    static const int kMetalHz[6] = {205, 304, 370, 523, 540, 800};
    Signal s(framesOfMs(ms));
    Noise noise(seed);
    OnePoleLowPass firstStage, secondStage;
    const int64_t cut = onePoleCoefficientQ16(highPassHz, kDrumRate);
    uint32_t phases[6] = {};
    for (int64_t i = 0; i < static_cast<int64_t>(s.size()); ++i) {
        int64_t metal = 0;
        for (int k = 0; k < 6; ++k) {
            phases[k] += phaseStep(int64_t{kMetalHz[k]} << 17, kDrumRate);  // an octave up
            metal += (phases[k] < 0x80000000u ? kOneQ30 : -kOneQ30) / 6;
        }
        const int64_t x = (metal * (100 - noisePercent) + noise.nextQ30() * int64_t{noisePercent}) / 100;
        const int64_t once = x - firstStage.process(x, cut);
        const int64_t twice = once - secondStage.process(once, cut);
        s[i] = mulQ30(twice, exp2NegQ30(i, framesOfMs(halfLifeMs)));
    }
    fadeEnds(s, 4, static_cast<int64_t>(s.size()) / 5);
    return s;
}

// Four seconds of noise at half the drum rate whose band sweeps up five octaves as it swells;
// it ends at full strength, on the downbeat it leads to.
Signal riser(int rate) {
    const int64_t n = 4 * int64_t{rate};
    Signal s(n);
    Noise noise(0x7153);
    OnePoleLowPass band, floor;
    for (int64_t i = 0; i < n; ++i) {
        const int64_t cutoffHz = (6400 * exp2NegQ30(5 * (n - i), n)) >> 30;
        const int64_t x = band.process(noise.nextQ30(), onePoleCoefficientQ16(cutoffHz, rate));
        const int64_t filtered = x - floor.process(x, onePoleCoefficientQ16(cutoffHz / 4, rate));
        const int64_t t = (i << 30) / n;
        s[i] = mulQ30(filtered, mulQ30(t, t));
    }
    fadeEnds(s, 0, framesOfMs(20, rate));
    return s;
}

// Adds amplitude * sin(2 pi cycles i / 2^lengthBits + offset) to every frame of a loop of
// 2^lengthBits frames: any whole number of cycles joins up seamlessly at the loop point.
void addLoopedSine(Signal& s, int lengthBits, uint32_t cycles, int64_t amplitude, uint32_t offset) {
    for (uint32_t i = 0; i < s.size(); ++i)
        s[i] += mulQ30(sineQ30(((cycles * i) << (32 - lengthBits)) + offset), amplitude);
}

// Three detuned saws, softened above the tenth harmonic: a warm pad with a slow chorus. The loop
// holds 127, 128 and 129 periods of C-3, so the voices drift 13.5 cents apart and back.
Signal padLoop() {
    constexpr int kBits = 15;
    Signal s(size_t{1} << kBits);
    for (uint32_t voice = 0; voice < 3; ++voice)
        for (uint32_t h = 1; h <= 48; ++h) {
            const int64_t amplitude = kOneQ30 / h * 100 / (100 + h * h);
            addLoopedSine(s, kBits, h * (127 + voice), amplitude, (voice * 131 + h) * 0x9E3779B9u);
        }
    return s;
}

// A hollow saw (the even harmonics at half strength) in three detuned voices: the lead.
Signal leadLoop() {
    constexpr int kBits = 14;  // 128 periods of C-4
    Signal s(size_t{1} << kBits);
    for (uint32_t voice = 0; voice < 3; ++voice)
        for (uint32_t h = 1; h <= 60; ++h) {
            const int64_t strength = (h % 2 ? kOneQ30 : kOneQ30 / 2) / h;
            addLoopedSine(s, kBits, h * (127 + voice), strength * 576 / (576 + h * h),
                          (voice * 77 + h) * 0x9E3779B9u);
        }
    return s;
}

// A saw at C-2 with a strengthened fundamental, whose tone closes from about the 40th harmonic
// to the 6th over sixteen periods; the last period loops.
Signal bass() {
    constexpr int64_t kPeriod = 512;
    constexpr int64_t kAttack = 16 * kPeriod;
    Signal s(kAttack + kPeriod);
    for (int64_t i = 0; i < static_cast<int64_t>(s.size()); ++i) {
        const int64_t left = ((kAttack - std::min(i, kAttack)) << 16) / kAttack;  // Q16, 1 -> 0
        const int64_t cutoff = (int64_t{6} << 16) + 34 * ((left * left) >> 16);  // Q16 harmonics
        const int64_t cutoffSquared = (cutoff * cutoff) >> 16;
        const auto frame = static_cast<uint32_t>(i);
        int64_t sum = mulQ30(sineQ30(frame << 23), kOneQ30 * 6 / 10);
        for (int64_t h = 1; h <= 120; ++h) {
            const int64_t lowPass = (cutoffSquared << 30) / (cutoffSquared + ((h * h) << 16));
            sum += mulQ30(sineQ30((static_cast<uint32_t>(h) * frame) << 23), lowPass / h);
        }
        s[i] = sum;
    }
    return s;
}

// Harmonics that die away faster the higher they are, like a plucked string.
Signal pluck() {
    Signal s(36000);
    for (uint32_t h = 1; h <= 40; ++h) {
        const int64_t decay = exp2NegQ30(1, 20250 / (3 + h));
        int64_t level = kOneQ30 / h;
        for (uint32_t i = 0; i < s.size(); ++i) {
            s[i] += mulQ30(sineQ30((h * i) << 25), level);
            level = mulQ30(level, decay);
        }
    }
    fadeEnds(s, 32, static_cast<int64_t>(s.size()) / 8);
    return s;
}

// Partials at inharmonic ratios, each with its own decay: a soft glassy bell.
Signal bell() {
    struct Partial {
        int64_t ratioQ16;
        int64_t percent;
        int64_t halfLifeMs;
    };
    static const Partial kPartials[] = {{65536, 100, 700}, {131072, 45, 450}, {196608, 20, 250},
                                        {275251, 25, 160}, {353894, 15, 110}, {445645, 10, 70}};
    Signal s(framesOfMs(2000));
    for (const Partial& p : kPartials) {
        const auto step = static_cast<uint32_t>(p.ratioQ16 << 9);  // 2^32 / 128 per frame at C-4
        const int64_t decay = exp2NegQ30(1, framesOfMs(p.halfLifeMs));
        int64_t level = kOneQ30 * p.percent / 100;
        uint32_t phase = 0;
        for (int64_t& frame : s) {
            frame += mulQ30(sineQ30(phase), level);
            phase += step;
            level = mulQ30(level, decay);
        }
    }
    fadeEnds(s, 64, static_cast<int64_t>(s.size()) / 6);
    return s;
}

XmInstrument oneShot(const char* name, const Signal& s, int8_t relativeNote) {
    XmInstrument ins;
    ins.name = name;
    ins.sample.name = name;
    ins.sample.data = toPcm(s);
    ins.sample.relativeNote = relativeNote;
    return ins;
}

// Tonal samples hold a waveform whose period is 128 frames at C-4 (256 at C-3, 512 at C-2), so
// relative note +24 plays middle C at 261.34 Hz: 1.9 cents flat, too little to hear, and less
// than the 6.25-cent steps in which players apply an XM finetune, so none is set.
int8_t relativeNoteForC(int octave) { return static_cast<int8_t>(24 + 12 * (4 - octave)); }

XmInstrument tonal(const char* name, const Signal& s, int baseOctave, uint32_t loopStart,
                   XmEnvelope envelope, uint16_t fadeout) {
    XmInstrument ins = oneShot(name, s, relativeNoteForC(baseOctave));
    ins.sample.loopStart = loopStart;
    ins.sample.loopLength = static_cast<uint32_t>(s.size()) - loopStart;
    ins.volumeEnvelope = std::move(envelope);
    ins.fadeout = fadeout;
    return ins;
}

}  // namespace

std::vector<XmInstrument> makeInstruments() {
    std::vector<XmInstrument> list;
    list.push_back(oneShot("kick", kick(), kDrumRelativeNote));
    list.push_back(oneShot("snare", snare(), kDrumRelativeNote));
    list.push_back(oneShot("closed hat", cymbal(90, 14, 7000, 60, 0xC105), kDrumRelativeNote));
    list.push_back(oneShot("open hat", cymbal(450, 90, 6500, 60, 0x0BE2), kDrumRelativeNote));
    list.push_back(oneShot("crash", cymbal(2000, 380, 3500, 75, 0xC2A5), kDrumRelativeNote));
    list.push_back(oneShot("riser", riser(kDrumRate / 2), kDrumRelativeNote - 12));
    // Bass: a plucky decay that holds at half strength while the key is down.
    list.push_back(tonal("bass", bass(), 2, 16 * 512, {{{0, 64}, {8, 52}, {24, 34}}, 2}, 3000));
    list.push_back(tonal("pad", padLoop(), 3, 0, {{{0, 0}, {12, 64}}, 1}, 1200));
    XmInstrument lead = tonal("lead", leadLoop(), 4, 0, {{{0, 0}, {1, 64}, {10, 52}}, 2}, 2000);
    lead.vibratoSweep = 40;  // long notes only start to waver after most of a second
    lead.vibratoDepth = 8;
    lead.vibratoRate = 26;
    list.push_back(std::move(lead));
    list.push_back(oneShot("pluck", pluck(), relativeNoteForC(4)));
    list.push_back(oneShot("bell", bell(), relativeNoteForC(4)));
    return list;
}

}  // namespace soundtrack
