// The XM writer that packs the song, read back through libopenmpt.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <sstream>

#include "Score.h"
#include "XmModule.h"

namespace {

using namespace soundtrack;

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
