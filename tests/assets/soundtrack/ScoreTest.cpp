// The grid the song is written on, and the XM writer that packs it, read back through libopenmpt.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <sstream>

#include "Score.h"
#include "XmModule.h"

namespace {

using namespace soundtrack;

TEST(NoteNumber, CountsFromCZeroAndReadsSharpsAndFlats) {
    EXPECT_EQ(noteNumber("C0"), 1);
    EXPECT_EQ(noteNumber("A4"), 58);
    EXPECT_EQ(noteNumber("C#5"), noteNumber("Db5"));
    EXPECT_EQ(noteNumber("Bb3"), noteNumber("A3") + 1);
    EXPECT_EQ(noteNumber("B7"), 96);
    for (const char* bad : {"", "H4", "C", "C#", "A10", "Cb0", "a4"}) EXPECT_EQ(noteNumber(bad), 0) << bad;
}

TEST(PlayMelody, PlacesNotesTiesAndRestsByLength) {
    Score score(16, 1);
    EXPECT_EQ(playMelody(score, 2, 0, 3, 40, "E5:2 | -:3 r:1 G#4:4", 12), 10);
    EXPECT_EQ(score.at(2, 0).note, noteNumber("E6"));
    EXPECT_EQ(score.at(2, 0).instrument, 3);
    EXPECT_EQ(score.at(2, 0).volume, kSetVolume + 40);
    for (int row : {3, 4, 5, 6, 10, 11}) EXPECT_TRUE(score.at(row, 0).empty()) << row;
    EXPECT_EQ(score.at(7, 0).note, kKeyOff);
    EXPECT_EQ(score.at(8, 0).note, noteNumber("G#5"));
    EXPECT_EQ(score.soundingNote(7, 0), noteNumber("E6"));
    EXPECT_EQ(score.soundingNote(8, 0), 0);
    EXPECT_EQ(score.soundingNote(16, 0), noteNumber("G#5"));
    EXPECT_THROW(playMelody(score, 0, 0, 1, 40, "E5"), std::invalid_argument);
    EXPECT_THROW(playMelody(score, 0, 0, 1, 40, "X5:2"), std::invalid_argument);
    EXPECT_THROW(playMelody(score, 14, 0, 1, 40, "C4:2 C4:2"), std::out_of_range);
}

TEST(Score, EchoRepeatsNotesAndReleasesLaterAndQuieter) {
    Score score(8, 2);
    score.setPanning(1, 0x40);
    score.play(0, 0, 50, 2, 60);
    score.release(2, 0);
    score.play(6, 0, 52, 2);  // at the sample's volume, and echoed past the song's end: dropped
    score.echo(0, 1, 3, 50, 0, 8);
    EXPECT_EQ(score.at(3, 1).note, 50);
    EXPECT_EQ(score.at(3, 1).volume, kSetVolume + 30);
    EXPECT_EQ(score.at(3, 1).effect, kEffectSetPanning);  // the echo channel's own
    EXPECT_EQ(score.at(3, 1).param, 0x40);
    EXPECT_EQ(score.at(5, 1).note, kKeyOff);
    for (int row : {0, 1, 2, 4, 6, 7}) EXPECT_TRUE(score.at(row, 1).empty()) << row;
}

TEST(Score, RefusesTwoEffectsInOneCell) {
    Score score(1, 1);
    score.effect(0, 0, kEffectSetSpeed, 6);
    EXPECT_THROW(score.effect(0, 0, kEffectSetGlobalVolume, 32), std::logic_error);
}

TEST(Score, CutsIntoPatternsAtCutsAndEvery64RowsSharingRepeats) {
    Score score(200, 1);
    for (int row = 0; row < 200; row += 16) score.play(row, 0, 49, 1);
    XmModule module;
    score.writePatterns({0, 10, 74}, module);
    // Rows 0-9, 10-73, 74-137, 138-199.
    std::vector<int> rows;
    for (uint8_t order : module.orders) rows.push_back(module.patterns.at(order).rows);
    EXPECT_EQ(rows, (std::vector<int>{10, 64, 64, 62}));
    EXPECT_EQ(module.orders[1], module.orders[2]) << "rows 10-73 and 74-137 hold the same notes";
    EXPECT_EQ(module.patterns.size(), 3u);
    EXPECT_EQ(module.channels, 1);
}

// Every combination of present fields survives packing, as libopenmpt reads the file back.
TEST(WriteXm, PatternCellsReadBackAsWritten) {
    const XmCell cells[] = {{58, 1, kSetVolume + 40, kEffectSetSpeed, 7},
                            {kKeyOff, 0, 0, 0, 0},
                            {0, 0, 0, kEffectSetGlobalVolume, 32},
                            {1, 0, 0, 0, 0},
                            {0, 1, 0, 0, 0},
                            {0, 0, kSetVolume, 0, 0},
                            {96, 1, kSetVolume + 64, 0, 0}};
    XmModule module;
    module.channels = 2;
    XmPattern pattern;
    pattern.rows = 7;
    for (const XmCell& c : cells) {
        pattern.cells.push_back(c);
        pattern.cells.push_back(XmCell{});
    }
    module.patterns.push_back(pattern);
    module.orders = {0};
    XmInstrument tone;
    tone.sample.data = {0, 1000, -1000, 0};
    tone.sample.loopLength = 4;
    module.instruments.push_back(tone);

    std::ostringstream log;
    openmpt::module read(writeXm(module), log);
    EXPECT_EQ(log.str(), "");
    ASSERT_EQ(read.get_pattern_num_rows(0), 7);
    ASSERT_EQ(read.get_num_channels(), 2);
    auto field = [&](int row, int command) { return read.get_pattern_row_channel_command(0, row, 0, command); };
    EXPECT_EQ(field(0, openmpt::module::command_note), 58 + 12);  // libopenmpt counts an octave higher
    EXPECT_EQ(field(0, openmpt::module::command_instrument), 1);
    EXPECT_EQ(field(0, openmpt::module::command_volume), 40);
    EXPECT_EQ(field(0, openmpt::module::command_parameter), 7);
    EXPECT_EQ(read.format_pattern_row_channel_command(0, 0, 0, openmpt::module::command_effect), "F");
    EXPECT_EQ(read.format_pattern_row_channel_command(0, 1, 0, openmpt::module::command_note), "===");
    EXPECT_EQ(read.format_pattern_row_channel_command(0, 2, 0, openmpt::module::command_effect), "G");
    EXPECT_EQ(field(2, openmpt::module::command_parameter), 32);
    EXPECT_EQ(field(3, openmpt::module::command_note), 1 + 12);
    EXPECT_EQ(field(4, openmpt::module::command_instrument), 1);
    EXPECT_EQ(read.format_pattern_row_channel_command(0, 5, 0, openmpt::module::command_volumeffect), "v");
    EXPECT_EQ(field(5, openmpt::module::command_volume), 0);
    EXPECT_EQ(field(6, openmpt::module::command_note), 96 + 12);
    EXPECT_EQ(field(6, openmpt::module::command_volume), 64);
    for (int row = 0; row < 7; ++row) EXPECT_EQ(read.format_pattern_row_channel(0, row, 1), "... .. .. ...") << row;
}

TEST(WriteXm, RefusesMoreOrdersThanTheFormatHolds) {
    XmModule module;
    module.patterns.resize(1);
    module.orders.assign(257, 0);
    EXPECT_THROW(writeXm(module), std::length_error);
}

}  // namespace
