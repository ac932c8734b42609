// tarvo-contact-sheet ASSETDIR OUT.png: lays out every picture that tarvo-assets wrote, labelled
// with its id and size in the generated console font: each picture as stored, and next to it,
// when it has an alpha channel, the picture blended over a checkerboard. The icon's sizes follow.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/png/PngFile.h"

namespace {

struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;  // top row first
    bool hasAlpha() const {
        for (size_t i = 3; i < rgba.size(); i += 4)
            if (rgba[i] != 0) return true;
        return false;
    }
    const uint8_t* at(int x, int y) const { return &rgba[(size_t(y) * width + x) * 4]; }
};

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned le16(const uint8_t* p) { return p[0] | unsigned(p[1]) << 8; }
uint32_t le32(const uint8_t* p) { return le16(p) | uint32_t(le16(p + 2)) << 16; }

// 32-bit bottom-up BGRA rows, as the TGA files and the icon's bitmaps store them.
Image fromBottomUp(const uint8_t* p, int width, int height) {
    Image image{width, height, std::vector<uint8_t>(size_t(width) * height * 4)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t* s = p + (size_t(height - 1 - y) * width + x) * 4;
            uint8_t* d = &image.rgba[(size_t(y) * width + x) * 4];
            d[0] = s[2], d[1] = s[1], d[2] = s[0], d[3] = s[3];
        }
    return image;
}

Image readTga(const std::string& path) {
    const auto bytes = readFile(path);
    if (bytes.size() < 18 || bytes[2] != 2 || bytes[16] != 32) return {};
    const int w = int(le16(&bytes[12])), h = int(le16(&bytes[14]));
    const size_t start = 18 + bytes[0];
    if (bytes.size() < start + size_t(w) * h * 4) return {};
    return fromBottomUp(&bytes[start], w, h);
}

std::vector<Image> readIco(const std::string& path) {
    const auto bytes = readFile(path);
    std::vector<Image> images;
    if (bytes.size() < 6) return images;
    for (unsigned i = 0; i < le16(&bytes[4]); ++i) {
        const uint8_t* entry = &bytes[6 + 16 * size_t(i)];
        const int size = entry[0] == 0 ? 256 : entry[0];
        const size_t offset = le32(entry + 12);
        if (offset + 40 + size_t(size) * size * 4 > bytes.size()) break;
        images.push_back(fromBottomUp(&bytes[offset + 40], size, size));
    }
    return images;
}

class Sheet {
public:
    Sheet(int w, int h) : width(w), height(h), rgb(size_t(w) * h * 3, 40) {}

    void put(int x, int y, const uint8_t* c) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        uint8_t* d = &rgb[(size_t(y) * width + x) * 3];
        d[0] = c[0], d[1] = c[1], d[2] = c[2];
    }

    // Draws the image scaled by num/den (box-averaged when shrinking, nearest when enlarging),
    // as stored or blended by its alpha over a checkerboard.
    void draw(const Image& image, int left, int top, int num, int den, bool overChecks) {
        const int w = image.width * num / den, h = image.height * num / den;
        const int box = den > num ? den / num : 1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                unsigned sum[4] = {0, 0, 0, 0};
                for (int j = 0; j < box; ++j)
                    for (int i = 0; i < box; ++i) {
                        const uint8_t* s = image.at(x * den / num + i, y * den / num + j);
                        for (int k = 0; k < 4; ++k) sum[k] += s[k];
                    }
                uint8_t c[3];
                const unsigned n = unsigned(box * box);
                const unsigned alpha = sum[3] / n;
                const unsigned check = ((x / 8 + y / 8) % 2) ? 70 : 110;
                for (int k = 0; k < 3; ++k)
                    c[k] = uint8_t(overChecks ? (sum[k] / n * alpha + check * (255 - alpha)) / 255 : sum[k] / n);
                put(left + x, top + y, c);
            }
    }

    // Text in the console font, a glyph every 12 pixels, from the font's red channel.
    void text(const Image& font, int left, int top, const std::string& s) {
        const uint8_t white[3] = {235, 235, 235};
        for (size_t i = 0; i < s.size(); ++i) {
            const int code = static_cast<unsigned char>(s[i]);
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    if (font.width == 256 && font.at((code % 16) * 16 + x, (code / 16) * 16 + y)[0] >= 77)
                        put(left + int(i) * 12 + x, top + y, white);
        }
    }

    int width, height;
    std::vector<uint8_t> rgb;
};

constexpr int kIds[] = {102, 103, 104, 105, 111, 113, 116, 117, 129, 136, 138, 139, 141};
constexpr int kBox = 256, kGap = 16, kLabel = 24, kColumns = 3;
constexpr int kCardWidth = 2 * kBox + kGap;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ASSETDIR OUT.png\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const Image font = readTga(dir + "/102.tga");
    const int cards = int(std::size(kIds)) + 1;
    const int rows = (cards + kColumns - 1) / kColumns;
    Sheet sheet(kGap + kColumns * (kCardWidth + kGap), kGap + rows * (kLabel + kBox + kGap));
    for (int i = 0; i < cards; ++i) {
        const int left = kGap + (i % kColumns) * (kCardWidth + kGap);
        const int top = kGap + (i / kColumns) * (kLabel + kBox + kGap);
        if (i == cards - 1) {
            sheet.text(font, left, top, "143  icon");
            int x = left;
            for (const Image& icon : readIco(dir + "/143.ico")) {
                sheet.draw(icon, x, top + kLabel, 2, 1, true);
                x += icon.width * 2 + kGap;
            }
            continue;
        }
        const Image image = readTga(dir + "/" + std::to_string(kIds[i]) + ".tga");
        if (image.width == 0) {
            std::fprintf(stderr, "%s: cannot read picture %d in %s\n", argv[0], kIds[i], dir.c_str());
            return 1;
        }
        const int longest = image.width > image.height ? image.width : image.height;
        const int num = longest < kBox ? kBox / longest : 1, den = longest > kBox ? longest / kBox : 1;
        const bool alpha = image.hasAlpha();
        sheet.text(font, left, top,
                   std::to_string(kIds[i]) + "  " + std::to_string(image.width) + "x" +
                       std::to_string(image.height) + (alpha ? "  alpha" : "  alpha 0"));
        sheet.draw(image, left, top + kLabel, num, den, false);
        if (alpha) sheet.draw(image, left + kBox + kGap, top + kLabel, num, den, true);
    }
    if (!png::write(argv[2], sheet.width, sheet.height, 3, sheet.rgb)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
