#include "IcoFile.h"

#include "Bytes.h"
#include "TgaFile.h"

namespace assets {

namespace {

size_t maskRowBytes(int width) { return size_t((width + 31) / 32) * 4; }

size_t imageBytes(const Picture& p) {
    return 40 + size_t(p.width) * p.height * 4 + maskRowBytes(p.width) * size_t(p.height);
}

// A BITMAPINFOHEADER-led DIB: colour rows bottom first, then the 1-bit AND mask (set where the
// icon is fully transparent, for viewers that ignore the alpha channel).
void image(ByteWriter& out, const Picture& p) {
    out.u32(40);
    out.u32(uint32_t(p.width));
    out.u32(uint32_t(p.height * 2));  // colour and mask together
    out.u16(1);
    out.u16(32);
    out.u32(0);  // BI_RGB
    out.u32(uint32_t(imageBytes(p) - 40));
    for (int i = 0; i < 4; ++i) out.u32(0);
    writeBgraBottomUp(out, p);
    for (int y = p.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskRowBytes(p.width), 0);
        for (int x = 0; x < p.width; ++x)
            if (toByte(p.alpha[size_t(y) * p.width + x]) == 0) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        out.append(row);
    }
}

}  // namespace

std::vector<uint8_t> encodeIco(const std::vector<Picture>& images) {
    ByteWriter out;
    out.u16(0);
    out.u16(1);  // icon
    out.u16(uint32_t(images.size()));
    size_t offset = 6 + 16 * images.size();
    for (const Picture& p : images) {
        out.u8(uint32_t(p.width & 0xFF));  // 256 is written as 0
        out.u8(uint32_t(p.height & 0xFF));
        out.u8(0);  // no palette
        out.u8(0);
        out.u16(1);  // planes
        out.u16(32);
        out.u32(uint32_t(imageBytes(p)));
        out.u32(uint32_t(offset));
        offset += imageBytes(p);
    }
    for (const Picture& p : images) image(out, p);
    return out.bytes;
}

}  // namespace assets
