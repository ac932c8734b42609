#pragma once
// Truevision TGA 2.0 output: uncompressed true-colour (type 2), 32 bits per pixel, origin at the
// lower left (descriptor 0x08: rows stored bottom first, 8 alpha bits), ending with the 26-byte
// footer. Optionally with the extension area and what it points to.
#include <cstdint>
#include <string>
#include <vector>

#include "Bytes.h"
#include "Picture.h"

namespace assets {

struct TgaExtension {
    std::string author;
    std::string comment;
    std::string job;
    std::string software;
    int year, month, day;
    std::string developerNote;  // kept in the developer area, padded with zeros to reach fileSize
    size_t fileSize;            // the whole file's length
};

constexpr size_t kTgaHeaderSize = 18;
constexpr size_t kTgaFooterSize = 26;
constexpr size_t kTgaExtensionSize = 495;
constexpr int kTgaStampSize = 36;  // the postage stamp's width and height

std::vector<uint8_t> encodeTga(const Picture& picture);
// With an extension area, a scan-line table, a postage stamp and a developer area holding one
// note; throws when they do not fit in extension.fileSize.
std::vector<uint8_t> encodeTga(const Picture& picture, const TgaExtension& extension);

// Blue, green, red, alpha per pixel, bottom row first: the layout of the TGA files and of the
// icon's bitmaps.
void writeBgraBottomUp(ByteWriter& out, const Picture& picture);

}  // namespace assets
