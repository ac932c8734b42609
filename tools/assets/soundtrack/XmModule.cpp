#include "XmModule.h"

#include <stdexcept>

namespace soundtrack {
namespace {

class ByteWriter {
public:
    void u8(unsigned v) { bytes_.push_back(static_cast<uint8_t>(v)); }
    void u16(unsigned v) {
        u8(v & 0xFF);
        u8(v >> 8);
    }
    void u32(uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    // Fixed-width text field, padded with `pad`.
    void text(const std::string& s, size_t width, char pad = 0) {
        for (size_t i = 0; i < width; ++i) u8(static_cast<uint8_t>(i < s.size() ? s[i] : pad));
    }
    void zeros(size_t n) { bytes_.insert(bytes_.end(), n, 0); }
    void append(const std::vector<uint8_t>& v) { bytes_.insert(bytes_.end(), v.begin(), v.end()); }
    std::vector<uint8_t>& bytes() { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

constexpr uint32_t kHeaderSize = 276;      // counted from the header-size field to the orders' end
constexpr uint32_t kInstrumentHeader = 263;
constexpr uint32_t kSampleHeader = 40;
constexpr uint8_t kSample16Bit = 0x10;
constexpr uint8_t kLoopForward = 0x01;

void writeHeader(ByteWriter& out, const XmModule& m) {
    out.text("Extended Module: ", 17);
    out.text(m.name, 20);
    out.u8(0x1A);
    out.text("tarvo soundtrack", 20);
    out.u16(0x0104);
    out.u32(kHeaderSize);
    out.u16(static_cast<unsigned>(m.orders.size()));
    out.u16(0);  // restart position (never reached: the song stops at its end)
    out.u16(static_cast<unsigned>(m.channels));
    out.u16(static_cast<unsigned>(m.patterns.size()));
    out.u16(static_cast<unsigned>(m.instruments.size()));
    out.u16(1);  // linear frequency table
    out.u16(static_cast<unsigned>(m.speed));
    out.u16(static_cast<unsigned>(m.bpm));
    for (size_t i = 0; i < 256; ++i) out.u8(i < m.orders.size() ? m.orders[i] : 0);
}

// A cell is either five plain bytes or a flag byte (bit 7 set) naming the fields that follow.
void packCell(ByteWriter& out, const XmCell& c) {
    const uint8_t fields[5] = {c.note, c.instrument, c.volume, c.effect, c.param};
    uint8_t flags = 0x80;
    for (int i = 0; i < 5; ++i)
        if (fields[i]) flags |= static_cast<uint8_t>(1 << i);
    if (flags == 0x9F) {
        for (uint8_t f : fields) out.u8(f);
        return;
    }
    out.u8(flags);
    for (uint8_t f : fields)
        if (f) out.u8(f);
}

void writePattern(ByteWriter& out, const XmPattern& p) {
    ByteWriter packed;
    for (const XmCell& cell : p.cells) packCell(packed, cell);
    out.u32(9);  // pattern header length
    out.u8(0);   // packing type
    out.u16(static_cast<unsigned>(p.rows));
    out.u16(static_cast<unsigned>(packed.bytes().size()));
    out.append(packed.bytes());
}

void writeEnvelopePoints(ByteWriter& out, const XmEnvelope& env) {
    for (size_t i = 0; i < 12; ++i) {
        out.u16(i < env.points.size() ? env.points[i].tick : 0);
        out.u16(i < env.points.size() ? env.points[i].value : 0);
    }
}

void writeInstrument(ByteWriter& out, const XmInstrument& ins) {
    const XmEnvelope& vol = ins.volumeEnvelope;
    const XmSample& s = ins.sample;
    out.u32(kInstrumentHeader);
    out.text(ins.name, 22);
    out.u8(0);   // type
    out.u16(1);  // one sample, used for every note
    out.u32(kSampleHeader);
    out.zeros(96);                      // note-to-sample map: all sample 0
    writeEnvelopePoints(out, vol);
    writeEnvelopePoints(out, XmEnvelope{});  // no panning envelope
    out.u8(static_cast<unsigned>(vol.points.size()));
    out.u8(0);
    out.u8(vol.sustainPoint < 0 ? 0 : static_cast<unsigned>(vol.sustainPoint));
    out.zeros(2);  // volume loop start and end
    out.zeros(3);  // panning sustain and loop
    out.u8((vol.points.empty() ? 0 : 1) | (vol.sustainPoint < 0 ? 0 : 2));
    out.u8(0);  // panning envelope off
    out.u8(0);  // vibrato type: sine
    out.u8(ins.vibratoSweep);
    out.u8(ins.vibratoDepth);
    out.u8(ins.vibratoRate);
    out.u16(ins.fadeout);
    out.zeros(kInstrumentHeader - 241);  // reserved

    out.u32(static_cast<uint32_t>(s.data.size() * 2));  // lengths in bytes
    out.u32(s.loopStart * 2);
    out.u32(s.loopLength * 2);
    out.u8(s.volume);
    out.u8(0);  // finetune
    out.u8(kSample16Bit | (s.loopLength ? kLoopForward : 0));
    out.u8(s.panning);
    out.u8(static_cast<uint8_t>(s.relativeNote));
    out.u8(0);
    out.text(s.name, 22);

    int16_t previous = 0;
    for (int16_t v : s.data) {
        out.u16(static_cast<uint16_t>(v - previous));  // wraps modulo 2^16 as the decoder expects
        previous = v;
    }
}

}  // namespace

std::vector<uint8_t> writeXm(const XmModule& module) {
    if (module.orders.size() > 256 || module.patterns.size() > 256 || module.instruments.size() > 128)
        throw std::length_error("more than an XM file can hold");
    ByteWriter out;
    writeHeader(out, module);
    for (const XmPattern& p : module.patterns) writePattern(out, p);
    for (const XmInstrument& ins : module.instruments) writeInstrument(out, ins);
    return std::move(out.bytes());
}

}  // namespace soundtrack
