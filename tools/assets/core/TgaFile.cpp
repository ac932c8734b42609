#include "TgaFile.h"

#include <stdexcept>

#include "Bytes.h"

namespace assets {

namespace {

constexpr uint16_t kDeveloperTag = 0x5456;  // 'TV': the note of the generator

void header(ByteWriter& out, int width, int height) {
    out.u8(0);  // no image ID
    out.u8(0);  // no colour map
    out.u8(2);  // uncompressed true-colour
    for (int i = 0; i < 5; ++i) out.u8(0);
    out.u16(0);  // x origin
    out.u16(0);  // y origin
    out.u16(uint32_t(width));
    out.u16(uint32_t(height));
    out.u8(32);
    out.u8(0x08);
}

void footer(ByteWriter& out, uint32_t extensionOffset, uint32_t developerOffset) {
    out.u32(extensionOffset);
    out.u32(developerOffset);
    out.text("TRUEVISION-XFILE.", 18);
}

}  // namespace

std::vector<uint8_t> encodeTga(const Picture& picture) {
    ByteWriter out;
    header(out, picture.width, picture.height);
    writeBgraBottomUp(out, picture);
    footer(out, 0, 0);
    return out.bytes;
}

std::vector<uint8_t> encodeTga(const Picture& picture, const TgaExtension& ext) {
    ByteWriter out;
    header(out, picture.width, picture.height);
    writeBgraBottomUp(out, picture);

    const size_t stampBytes = 2 + size_t(kTgaStampSize) * kTgaStampSize * 4;
    const size_t trailer = 12 + kTgaExtensionSize + size_t(picture.height) * 4 + stampBytes + kTgaFooterSize;
    if (out.size() + ext.developerNote.size() + trailer > ext.fileSize)
        throw std::runtime_error("the TGA trailer does not fit in the file size");
    const size_t noteSize = ext.fileSize - out.size() - trailer;

    // Developer area: the note, then its one-entry directory.
    const size_t noteOffset = out.size();
    std::vector<uint8_t> note(ext.developerNote.begin(), ext.developerNote.end());
    note.resize(noteSize, 0);
    out.append(note);
    const size_t directoryOffset = out.size();
    out.u16(1);
    out.u16(kDeveloperTag);
    out.u32(uint32_t(noteOffset));
    out.u32(uint32_t(noteSize));

    const size_t extensionOffset = out.size();
    const size_t scanLineOffset = extensionOffset + kTgaExtensionSize;
    const size_t stampOffset = scanLineOffset + size_t(picture.height) * 4;
    out.u16(kTgaExtensionSize);
    out.text(ext.author, 41);
    out.text(ext.comment, 324);
    for (int v : {ext.month, ext.day, ext.year, 0, 0, 0}) out.u16(uint32_t(v));
    out.text(ext.job, 41);
    for (int i = 0; i < 3; ++i) out.u16(0);  // job time
    out.text(ext.software, 41);
    out.u16(100);  // software version 1.00
    out.u8(' ');
    out.u32(0);  // key colour: black
    out.u16(1);  // pixel aspect ratio 1:1
    out.u16(1);
    out.u16(0);  // no gamma value
    out.u16(0);
    out.u32(0);  // no colour-correction table
    out.u32(uint32_t(stampOffset));
    out.u32(uint32_t(scanLineOffset));
    out.u8(3);  // the alpha channel holds useful data

    // Scan-line table: the file offset of each stored row.
    for (int row = 0; row < picture.height; ++row)
        out.u32(uint32_t(kTgaHeaderSize + size_t(row) * picture.width * 4));

    ByteWriter stamp;
    stamp.u8(kTgaStampSize);
    stamp.u8(kTgaStampSize);
    writeBgraBottomUp(stamp, downsample(picture, kTgaStampSize, kTgaStampSize));
    out.append(stamp.bytes);

    footer(out, uint32_t(extensionOffset), uint32_t(directoryOffset));
    return out.bytes;
}

void writeBgraBottomUp(ByteWriter& out, const Picture& p) {
    for (int y = p.height - 1; y >= 0; --y)
        for (int x = 0; x < p.width; ++x) {
            const Rgb& c = p.at(x, y);
            out.u8(toByte(c.b));
            out.u8(toByte(c.g));
            out.u8(toByte(c.r));
            out.u8(toByte(p.alpha[size_t(y) * p.width + x]));
        }
}

}  // namespace assets
