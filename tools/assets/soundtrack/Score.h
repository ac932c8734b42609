#pragma once
// The whole song as one long grid of rows and channels, written with a few musical helpers and cut
// into patterns at the end.
#include <initializer_list>
#include <string>
#include <vector>

#include "XmModule.h"

namespace soundtrack {

constexpr int kRowsPerBeat = 4;
constexpr int kRowsPerBar = 16;
constexpr int kDefaultVolume = -1;  // play at the sample's own volume

// XM note number of a name such as "A4", "C#5" or "Bb3" (C-0 is 1); 0 for anything else.
int noteNumber(const std::string& name);

class Score {
public:
    Score(int rows, int channels);
    int rows() const { return rows_; }
    const XmCell& at(int row, int channel) const;

    // Every note played on the channel from now on carries this panning (0 left .. 255 right);
    // a new note would otherwise reset it to the sample's.
    void setPanning(int channel, int panning) { panning_.at(channel) = panning; }

    void play(int row, int channel, int note, int instrument, int volume = kDefaultVolume);
    void release(int row, int channel);
    // Puts an effect in the channel's effect column, which must still be free.
    void effect(int row, int channel, uint8_t effect, uint8_t param);

    // The note left sounding on the channel by the rows before `row`; 0 after a release or none.
    int soundingNote(int row, int channel) const;

    // Copies the notes and releases of channel `from` in rows [first, end) to channel `to`,
    // `delay` rows later and at `percent` of their volume: a tape echo.
    void echo(int from, int to, int delay, int percent, int first, int end);

    // Appends the score to the module as patterns, one starting at every cut and at least every
    // 64 rows, identical patterns stored once, and the order list that plays them all.
    void writePatterns(const std::vector<int>& cuts, XmModule& module) const;

private:
    size_t index(int row, int channel) const;
    XmCell& cell(int row, int channel) { return cells_[index(row, channel)]; }

    int rows_;
    int channels_;
    std::vector<XmCell> cells_;
    std::vector<int> panning_;  // -1 = the sample's
};

// Plays a melody written as "E5:6 D5:2 r:4 C5:4 ...": notes with their lengths in rows, "r" a
// rest that releases the note before it, "-" a tie that holds it; "|" may mark bars. Returns
// the rows it spans.
int playMelody(Score& score, int row, int channel, int instrument, int volume,
               const std::string& text, int transpose = 0);

// A step sequence: one character per row, '.' silent, each other symbol played as its Step says.
struct Step {
    char symbol;
    int note;
    int instrument;
    int volume;
};
void playSteps(Score& score, int row, int channel, const std::string& steps,
               std::initializer_list<Step> kit);

}  // namespace soundtrack
