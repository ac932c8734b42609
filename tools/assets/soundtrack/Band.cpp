#include "Band.h"

#include <sstream>
#include <stdexcept>

#include "Arrangement.h"
#include "Instruments.h"

namespace soundtrack {
namespace {

// A mostly A-minor palette, voiced so that neighbouring chords share notes.
struct Chord {
    const char* name;
    const char* root;  // the bass note
    const char* voices[4];
};
const Chord kChords[] = {
    {"Am", "A1", {"A3", "E4", "A4", "C5"}}, {"F", "F1", {"A3", "F4", "A4", "C5"}},
    {"C", "C2", {"G3", "E4", "G4", "C5"}},  {"G", "G1", {"G3", "D4", "G4", "B4"}},
    {"E", "E1", {"G#3", "E4", "G#4", "B4"}}, {"Dm", "D2", {"A3", "D4", "F4", "A4"}},
};

const Chord& chordNamed(const std::string& name) {
    for (const Chord& c : kChords)
        if (name == c.name) return c;
    throw std::invalid_argument("unknown chord " + name);
}

// Calls visit(row, chord, rows) for each chord of a progression.
template <typename Visit>
void forEachChord(int row, const std::string& progression, Visit visit) {
    std::istringstream tokens(progression);
    std::string token;
    while (tokens >> token) {
        const size_t colon = token.find(':');
        const int rows = colon == std::string::npos ? kRowsPerBar : std::stoi(token.substr(colon + 1));
        visit(row, chordNamed(token.substr(0, colon)), rows);
        row += rows;
    }
}

char stepAt(const std::string& steps, int i) { return steps[static_cast<size_t>(i) % steps.size()]; }

constexpr int kFullVolume = 64;

}  // namespace

Band::Band(Score& score) : score_(score) {
    score_.setPanning(kHatChannel, 0xA0);
    score_.setPanning(kShakerChannel, 0x58);
    score_.setPanning(kCrashChannel, 0x70);
    static const int kPadPanning[4] = {0x50, 0x98, 0x68, 0xB0};
    for (int v = 0; v < 8; ++v) score_.setPanning(kPadChannel + v, kPadPanning[v % 4]);
    score_.setPanning(kLeadEchoChannel, 0x40);
    score_.setPanning(kArpChannel, 0x90);
    score_.setPanning(kArpEchoChannel, 0x48);
    score_.setPanning(kBellChannel, 0xA8);
}

void Band::pads(int row, const std::string& progression, int volume) {
    forEachChord(row, progression, [&](int at, const Chord& c, int) {
        const bool firstBankSounding = score_.soundingNote(at, kPadChannel) != 0;
        const int oldBank = kPadChannel + (firstBankSounding ? 0 : 4);
        const int newBank = kPadChannel + (firstBankSounding ? 4 : 0);
        bool same = true;
        for (int v = 0; v < 4; ++v) same = same && score_.soundingNote(at, oldBank + v) == noteNumber(c.voices[v]);
        if (same) return;  // the same chord again: let it ring
        for (int v = 0; v < 4; ++v) {
            if (score_.soundingNote(at, oldBank + v)) score_.release(at, oldBank + v);
            score_.play(at, newBank + v, noteNumber(c.voices[v]), kPad, volume);
        }
    });
}

void Band::bass(int row, const std::string& progression, const std::string& steps, int volume) {
    forEachChord(row, progression, [&](int at, const Chord& c, int rows) {
        for (int i = 0; i < rows; ++i) {
            const char step = stepAt(steps, i);
            if (step == '-') score_.release(at + i, kBassChannel);
            if (step == 'x' || step == 'o')
                score_.play(at + i, kBassChannel, noteNumber(c.root) + (step == 'o' ? 12 : 0), kBass, volume);
        }
    });
}

void Band::arp(int row, const std::string& progression, const std::string& steps, int volume, int transpose) {
    forEachChord(row, progression, [&](int at, const Chord& c, int rows) {
        for (int i = 0; i < rows; ++i) {
            const char step = stepAt(steps, i);
            if (step < '0' || step > '5') continue;
            const int tone = step - '0';
            const int note = noteNumber(c.voices[1 + tone % 3]) + 12 * (tone / 3) + transpose;
            score_.play(at + i, kArpChannel, note, kPluck, volume);
        }
    });
}

void Band::drums(int row, int bars, int channel, const std::string& steps, std::initializer_list<Step> kit) {
    for (int bar = 0; bar < bars; ++bar) playSteps(score_, row + bar * kRowsPerBar, channel, steps, kit);
}

void Band::kick(int row, int bars, const std::string& steps, int volume) {
    drums(row, bars, kKickChannel, steps, {{'x', kDrumNote, kKick, volume}});
}

void Band::snare(int row, int bars, const std::string& steps, int volume) {
    drums(row, bars, kSnareChannel, steps, {{'x', kDrumNote, kSnare, volume}});
}

void Band::hats(int row, int bars, const std::string& steps, int volume) {
    drums(row, bars, kHatChannel, steps, {{'c', kDrumNote, kClosedHat, volume}, {'o', kDrumNote, kOpenHat, volume}});
}

void Band::shaker(int row, int bars, int volume) {
    drums(row, bars, kShakerChannel, "c.cCc.cCc.cCc.cC",
          {{'c', kDrumNote, kClosedHat, volume * 2 / 3}, {'C', kDrumNote, kClosedHat, volume}});
}

void Band::crash(int row, int volume) { score_.play(row, kCrashChannel, kDrumNote, kCrash, volume); }

void Band::roll(int row, int end, int every, int from, int to) {
    for (int r = row; r < end; r += every)
        score_.play(r, kSnareChannel, kDrumNote, kSnare, from + (to - from) * (r - row) / (end - row));
}

void Band::riseInto(int row, int volume) {
    score_.play(row - 2 * kRowsPerBar, kRiserChannel, kDrumNote, kRiser, volume);
}

void Band::melody(int row, int channel, int instrument, int volume, const char* text, int transpose) {
    playMelody(score_, row, channel, instrument, volume, text, transpose);
}

void Band::fadeOut(int row, int end) {
    // The volume follows the square of the time left: slow at first, so the last chord still
    // rings, then quickly to nothing.
    const int rows = end - row;
    for (int r = row; r < end; ++r) {
        const int left = end - r;
        score_.effect(r, kKickChannel, kEffectSetGlobalVolume,
                      static_cast<uint8_t>(kFullVolume * left * left / (rows * rows)));
    }
}

void Band::addEchoes() {
    score_.echo(kLeadChannel, kLeadEchoChannel, 3, 30, 0, score_.rows());
    score_.echo(kArpChannel, kArpEchoChannel, 3, 45, 0, score_.rows());
}

void Band::addBeatTiming() {
    for (int row = kLongRowOfBeat; row < score_.rows(); row += kRowsPerBeat) {
        score_.effect(row, kRiserChannel, kEffectSetSpeed, kTicksPerRow + 1);
        score_.effect(row + 1, kRiserChannel, kEffectSetSpeed, kTicksPerRow);
    }
}

}  // namespace soundtrack
