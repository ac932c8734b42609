#pragma once
// The players of the soundtrack: each call writes one part (drums, bass, pads, arpeggio, a
// melody) onto the score, on the part's own channels. Chords are named ("Am F C G"); a chord
// lasts a bar unless its length in rows follows the name ("E:20").
#include <initializer_list>
#include <string>

#include "Score.h"

namespace soundtrack {

enum Channel : int {
    kKickChannel,  // its effect column also carries the closing fade
    kSnareChannel,
    kHatChannel,
    kCrashChannel,
    kBassChannel,
    kPadChannel,  // two banks of four voices
    kLeadChannel = kPadChannel + 8,
    kLeadEchoChannel,
    kArpChannel,
    kArpEchoChannel,
    kRiserChannel,  // its effect column also sets the speed of every row
    kBellChannel,
    kShakerChannel,
    kChannelCount,
};

class Band {
public:
    // Sets each channel's place in the stereo picture.
    explicit Band(Score& score);

    // One chord a bar; each new chord sounds on the other bank of voices while the old one fades
    // out under it, as on a polyphonic synthesiser.
    void pads(int row, const std::string& progression, int volume);
    // Steps per row, the pattern repeating: 'x' the root, 'o' its octave, '-' release, '.' hold.
    void bass(int row, const std::string& progression, const std::string& steps, int volume);
    // A plucked arpeggio over each chord's upper three voices and their octaves: digit 0-5 per row.
    void arp(int row, const std::string& progression, const std::string& steps, int volume, int transpose);

    // Drums: one step pattern per bar ('x' a hit, 'c' closed and 'o' open hats, '.' silent).
    void kick(int row, int bars, const std::string& steps, int volume);
    void snare(int row, int bars, const std::string& steps, int volume);
    void hats(int row, int bars, const std::string& steps, int volume);
    void shaker(int row, int bars, int volume);  // soft sixteenths
    void crash(int row, int volume);
    // A snare hit every `every` rows in [row, end), swelling from one volume to the other.
    void roll(int row, int end, int every, int from, int to);
    // The riser, timed to peak on the given row.
    void riseInto(int row, int volume);

    void melody(int row, int channel, int instrument, int volume, const char* text, int transpose = 0);
    void release(int row, int channel) { score_.release(row, channel); }

    // The whole song's volume falls from full at `row` to silence at `end`.
    void fadeOut(int row, int end);
    // Once every part is written: the lead and the arpeggio sound again a dotted eighth later and
    // quieter, like a tape echo.
    void addEchoes();
    // Once every part is written: the one longer row of every beat (see kTicksPerRow).
    void addBeatTiming();

private:
    void drums(int row, int bars, int channel, const std::string& steps, std::initializer_list<Step> kit);

    Score& score_;
};

}  // namespace soundtrack
