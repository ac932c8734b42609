#pragma once
// The parts of a FastTracker 2 extended module (XM 1.04) that the soundtrack uses, and the writer
// that turns them into the file's bytes.
#include <cstdint>
#include <string>
#include <vector>

namespace soundtrack {

// Pattern cell values.
constexpr uint8_t kKeyOff = 97;                  // note value that releases the playing note
constexpr uint8_t kSetVolume = 0x10;             // volume column: 0x10 + volume (0..64)
constexpr uint8_t kEffectSetPanning = 0x08;      // effect 8: 0 left .. 255 right
constexpr uint8_t kEffectSetSpeed = 0x0F;        // effect F, below 0x20: ticks per row
constexpr uint8_t kEffectSetGlobalVolume = 0x10; // effect G

struct XmCell {
    uint8_t note = 0;        // 1 = C-0 ... 96 = B-7, kKeyOff, 0 = none
    uint8_t instrument = 0;  // 1-based, 0 = none
    uint8_t volume = 0;      // volume column byte, 0 = none
    uint8_t effect = 0;
    uint8_t param = 0;
    bool empty() const { return !note && !instrument && !volume && !effect && !param; }
    bool operator==(const XmCell& o) const {
        return note == o.note && instrument == o.instrument && volume == o.volume &&
               effect == o.effect && param == o.param;
    }
};

struct XmPattern {
    int rows = 0;
    std::vector<XmCell> cells;  // rows x channels, row-major
};

// Envelope points are (tick, value 0..64); at most 12.
struct XmEnvelope {
    struct Point {
        uint16_t tick;
        uint16_t value;
    };
    std::vector<Point> points;
    int sustainPoint = -1;  // -1 = no sustain
};

struct XmSample {
    std::string name;
    std::vector<int16_t> data;  // stored as 16-bit
    uint32_t loopStart = 0;     // in sample frames
    uint32_t loopLength = 0;    // 0 = one-shot
    uint8_t volume = 64;
    int8_t relativeNote = 0;    // semitones added to the played note
    uint8_t panning = 128;
};

struct XmInstrument {
    std::string name;
    XmSample sample;
    XmEnvelope volumeEnvelope;  // no points = off: a key-off then cuts the note
    uint16_t fadeout = 0;       // volume lost per tick after key-off, in 1/65536
    uint8_t vibratoSweep = 0, vibratoDepth = 0, vibratoRate = 0;  // sine auto-vibrato
};

struct XmModule {
    std::string name;
    int channels = 0;
    int speed = 6;  // ticks per row
    int bpm = 125;  // a tick lasts 2.5 / bpm seconds
    std::vector<uint8_t> orders;
    std::vector<XmPattern> patterns;
    std::vector<XmInstrument> instruments;
};

// The module as an XM file: linear frequency table, patterns packed, samples delta-coded.
// Throws std::length_error beyond the format's 256 orders, 256 patterns or 128 instruments.
std::vector<uint8_t> writeXm(const XmModule& module);

}  // namespace soundtrack
