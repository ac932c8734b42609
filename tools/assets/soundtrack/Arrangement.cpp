#include "Arrangement.h"

#include <string>

#include "Band.h"
#include "Instruments.h"

namespace soundtrack {
namespace {

// The themes, in rows (sixteen to a bar).
// Theme A, over Am F C G | Am F G E: a falling line that answers itself.
const char* const kThemeA =
    "E5:6 D5:2 C5:4 B4:2 C5:2 | A4:8 r:4 C5:2 D5:2 | E5:6 G5:2 E5:4 D5:2 C5:2 | D5:8 r:4 B4:2 D5:2 |"
    "E5:6 D5:2 C5:4 B4:2 C5:2 | A4:6 C5:2 F5:4 E5:2 D5:2 | D5:6 E5:2 D5:4 C5:2 B4:2 | B4:6 C5:2 B4:4 G#4:4";
// Its answer over Dm F G E, climbing to the dominant.
const char* const kAnswerA =
    "F5:4 E5:2 D5:2 A4:4 D5:2 E5:2 | F5:6 G5:2 A5:4 G5:2 F5:2 | G5:4 F5:2 E5:2 D5:4 B4:2 D5:2 | E5:12 r:4";
// Theme B, an octave higher, over F G Am Am | F G E Am.
const char* const kThemeB =
    "A5:4 G5:2 F5:2 G5:4 A5:2 C6:2 | B5:6 G5:2 D5:8 | C6:4 B5:2 A5:2 E5:4 A5:2 B5:2 | C6:6 B5:2 A5:4 G5:2 E5:2 |"
    "F5:4 A5:2 C6:2 A5:4 F5:2 A5:2 | G5:4 B5:2 D6:2 B5:4 G5:2 B5:2 | G#5:4 B5:2 E6:2 D6:4 B5:2 G#5:2 | A5:12 r:4";
// Its answer over Dm F G E, ending on a high E held through the break.
const char* const kAnswerB =
    "A5:4 F5:2 D5:2 F5:4 A5:2 D6:2 | C6:6 A5:2 F5:4 A5:2 C6:2 | B5:4 D6:2 B5:2 G5:4 A5:2 B5:2 | G#5:8 B5:4 E6:16";

const char* const kFourOnTheFloor = "x...x...x...x...";
const char* const kBackbeat = "....x.......x...";
const char* const kBackbeatFill = "....x.......x.xx";
const char* const kOffbeat = "..o...o...o...o.";
const char* const kOffbeatBass = "..x-..x-..x-..x-";
const char* const kRollingBass = ".xxx.xxx.xxx.xox";
const char* const kHalfTimeBass = "x.......x...o...";
const std::string kHeldBass = "x" + std::string(63, '.');  // one note for up to four bars
const char* const kArpEighths = "0.1.2.3.4.3.2.1.";
const char* const kArpSixteenths = "0123454321012345";

// 0-13 s, the tunnel opens: pads and a plucked arpeggio, the kick and bass creeping in, a bell
// hinting at the theme, then half a bar of snare roll and a riser into the first drop.
void intro(Band& band, int at) {
    band.pads(at, "Am F C G Am F G:8", 20);
    band.arp(at, "Am F", kArpEighths, 20, 0);
    band.arp(at + 32, "C G", kArpEighths, 24, 0);
    band.arp(at + 64, "Am F", kArpSixteenths, 24, 0);
    band.melody(at + 32, kBellChannel, kBell, 26,
                "E5:6 D5:2 C5:8 | D5:6 B4:2 G4:8 | E5:6 D5:2 C5:8 | A4:8 C5:8 | B4:8");
    band.kick(at + 32, 4, kFourOnTheFloor, 50);
    band.hats(at + 64, 2, "..c...c...c...c.", 20);
    band.bass(at + 64, "Am F", kOffbeatBass, 36);
    band.bass(at + 96, "G:8", kHeldBass, 36);
    band.roll(at + 96, at + 104, 1, 18, 50);
    band.riseInto(at + 104, 26);
}

// 13-39.5 s, the logo fan: the full groove and theme A with its answer; a bar and a beat of break
// (drums out, a riser and a roll) leads into the cube.
void tunnel(Band& band, int at) {
    const int breakRow = at + 12 * kRowsPerBar;
    band.pads(at, "Am F C G Am F G E Dm F G E E:20", 16);
    band.bass(at, "Am F C G Am F G E", kOffbeatBass, 42);
    band.bass(at + 128, "Dm F G E", kRollingBass, 38);
    band.bass(breakRow, "E:20", kHeldBass, 40);
    band.crash(at, 40);
    band.crash(at + 128, 34);
    band.kick(at, 12, kFourOnTheFloor, 64);
    band.snare(at, 7, kBackbeat, 44);
    band.snare(at + 112, 1, kBackbeatFill, 44);
    band.snare(at + 128, 3, kBackbeat, 44);
    band.snare(at + 176, 1, "....x...x.x.xxxx", 44);
    band.hats(at, 12, kOffbeat, 24);
    band.shaker(at + 64, 8, 16);
    band.melody(at, kLeadChannel, kLead, 40, kThemeA);
    band.melody(at + 128, kLeadChannel, kLead, 40, kAnswerA);
    band.melody(breakRow, kLeadChannel, kLead, 40, "r:16 G#5:2 B5:2");
    band.roll(breakRow + 12, breakRow + 20, 1, 20, 52);
    band.riseInto(breakRow + 20, 30);
}

// 39.5-65 s, the cube of glowing sprites: the peak. Theme B over a rolling bass with a
// sparkling arpeggio beneath it; three beats of roll hand over to the credits.
void cube(Band& band, int at) {
    const int breakRow = at + 12 * kRowsPerBar;
    const std::string chords = "F G Am Am F G E Am Dm F G E";
    band.pads(at, chords + " E:12", 18);
    band.bass(at, chords, kRollingBass, 40);
    band.bass(breakRow, "E:12", kHeldBass, 40);
    band.arp(at, chords, kArpSixteenths, 20, 0);
    band.crash(at, 44);
    band.crash(at + 64, 30);
    band.crash(at + 128, 36);
    band.kick(at, 12, kFourOnTheFloor, 64);
    band.snare(at, 7, kBackbeat, 46);
    band.snare(at + 112, 1, kBackbeatFill, 46);
    band.snare(at + 128, 4, kBackbeat, 46);
    band.hats(at, 12, kOffbeat, 26);
    band.shaker(at, 12, 18);
    band.melody(at, kLeadChannel, kLead, 42, kThemeB);
    band.melody(at + 128, kLeadChannel, kLead, 42, kAnswerB);
    band.roll(breakRow, breakRow + 12, 1, 22, 56);
}

// 65-134 s, the glowing balls and the credits: a calm start with a bell tune, a half-time
// groove under theme A, a build, theme B once more at full strength, and a quiet hand-over.
void credits(Band& band, int at) {
    const int calm = at, halfTime = at + 128, build = at + 256, peak = at + 384, tail = at + 512;

    band.release(calm, kLeadChannel);
    band.crash(calm, 40);
    band.kick(calm, 1, "x", 64);
    band.pads(calm, "F C G Am F C G G", 18);
    band.bass(calm, "F C G Am F C G G", kHeldBass, 34);
    band.arp(calm, "F C G Am F C G G", "0.2.4.2.1.3.5.3.", 12, 0);
    band.melody(calm, kBellChannel, kBell, 30,
                "A5:6 G5:2 A5:8 | E5:6 G5:2 C6:8 | D6:6 C6:2 B5:8 | A5:16 |"
                "A5:6 G5:2 A5:4 C6:4 | E6:6 D6:2 C6:8 | B5:6 A5:2 G5:4 D5:4 | D5:16");
    band.hats(calm + 64, 4, "..c...c...c...c.", 16);

    band.pads(halfTime, "Am F C G Am F G E", 18);
    band.bass(halfTime, "Am F C G Am F G E", kHalfTimeBass, 38);
    band.arp(halfTime, "Am F C G Am F G E", kArpEighths, 14, 0);
    band.kick(halfTime, 8, "x.........x.....", 60);
    band.snare(halfTime, 7, "........x.......", 42);
    band.snare(halfTime + 112, 1, "........x.....xx", 42);
    band.hats(halfTime, 8, "..c...c...c...c.", 20);
    band.shaker(halfTime + 64, 4, 14);
    band.melody(halfTime, kLeadChannel, kLead, 34, kThemeA);

    // The build: four-on-the-floor returns, the lead climbs a note a bar, the snare doubles up.
    band.pads(build, "Dm F G E Dm F G E", 18);
    band.bass(build, "Dm F G E Dm F G E", kOffbeatBass, 40);
    band.arp(build, "Dm F G E", kArpSixteenths, 16, 0);
    band.arp(build + 64, "Dm F G E", kArpSixteenths, 22, 0);
    band.kick(build, 8, kFourOnTheFloor, 62);
    band.snare(build, 5, kBackbeat, 42);
    band.roll(build + 80, build + 96, 4, 30, 40);
    band.roll(build + 96, build + 112, 2, 36, 46);
    band.roll(build + 112, build + 128, 1, 40, 58);
    band.hats(build, 8, kOffbeat, 24);
    band.melody(build, kLeadChannel, kLead, 36, "F5:16 | A5:16 | B5:16 | G#5:16 | A5:16 | C6:16 | D6:16 | E6:16");
    band.riseInto(peak, 30);

    band.pads(peak, "F G Am Am F G E Am", 18);
    band.bass(peak, "F G Am Am F G E Am", kRollingBass, 40);
    band.arp(peak, "F G Am Am F G E Am", kArpSixteenths, 20, 0);
    band.crash(peak, 44);
    band.crash(peak + 64, 32);
    band.kick(peak, 8, kFourOnTheFloor, 64);
    band.snare(peak, 7, kBackbeat, 46);
    band.snare(peak + 112, 1, kBackbeatFill, 46);
    band.hats(peak, 8, kOffbeat, 26);
    band.shaker(peak, 8, 18);
    band.melody(peak, kLeadChannel, kLead, 42, kThemeB);

    band.crash(tail, 36);
    band.kick(tail, 1, "x", 56);
    band.pads(tail, "F G E:8", 18);
    band.bass(tail, "F G E:8", kHeldBass, 34);
    band.melody(tail, kBellChannel, kBell, 30, "C6:16 | B5:16 | G#5:8");
    band.riseInto(tail + 40, 24);
}

// 134-155 s, the greetings: theme A one last time over a lighter groove, then the final chord
// rings out as the whole song fades to silence on the last row.
void greets(Band& band, int at, int end) {
    const int last = at + 8 * kRowsPerBar;
    const std::string chords = "Am F C G Am F G E";
    band.pads(at, chords, 18);
    band.bass(at, chords, kOffbeatBass, 40);
    band.arp(at, chords, kArpEighths, 14, 12);
    band.crash(at, 40);
    band.kick(at, 8, kFourOnTheFloor, 58);
    band.snare(at, 7, kBackbeat, 40);
    band.snare(at + 112, 1, kBackbeatFill, 40);
    band.hats(at, 8, kOffbeat, 22);
    band.shaker(at + 64, 4, 14);
    band.melody(at, kLeadChannel, kLead, 40, kThemeA);

    band.crash(last, 40);
    band.kick(last, 1, "x", 60);
    band.pads(last, "Am:40", 18);
    band.bass(last, "Am:40", kHeldBass, 40);
    band.melody(last, kLeadChannel, kLead, 40, "A4:40");
    band.melody(last, kBellChannel, kBell, 30, "A5:16 | E6:24");
    band.fadeOut(last + kRowsPerBar, end);  // after the chord has rung for a bar
}

}  // namespace

Score arrangeSong() {
    Score score(kEndRow, kChannelCount);
    Band band(score);
    intro(band, kIntroRow);
    tunnel(band, kTunnelRow);
    cube(band, kCubeRow);
    credits(band, kCreditsRow);
    greets(band, kGreetsRow, kEndRow);
    band.addEchoes();
    band.addBeatTiming();
    return score;
}

}  // namespace soundtrack
