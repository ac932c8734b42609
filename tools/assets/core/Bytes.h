#pragma once
// Little-endian byte output for the file writers.
#include <cstdint>
#include <string>
#include <vector>

namespace assets {

class ByteWriter {
public:
    void u8(uint32_t v) { bytes.push_back(uint8_t(v)); }
    void u16(uint32_t v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(uint32_t v) {
        u16(v);
        u16(v >> 16);
    }
    // A text in a field of `length` bytes, padded (and always ended) with zero bytes.
    void text(const std::string& s, size_t length) {
        for (size_t i = 0; i < length; ++i) u8(i + 1 < length && i < s.size() ? uint8_t(s[i]) : 0);
    }
    void append(const std::vector<uint8_t>& more) { bytes.insert(bytes.end(), more.begin(), more.end()); }
    size_t size() const { return bytes.size(); }

    std::vector<uint8_t> bytes;
};

}  // namespace assets
