// tarvo-assets OUTDIR: writes the demo's generated resources (pictures, font, icon and the
// soundtrack) into OUTDIR, creating it if needed.
// tarvo-assets --icon-theme DIR: writes the icon's sizes as PNGs in the layout of an icon theme
// (DIR/16x16/apps/tarvo.png, ...), from the same pixels as 143.ico, for installing on Linux.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>

#include "AssetSet.h"
#include "pictures/Pictures.h"
#include "soundtrack/Soundtrack.h"
#include "tools/png/PngFile.h"

namespace {

namespace fs = std::filesystem;

bool writeFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

// The picture's bytes as the icon file quantises them, RGBA, top row first.
std::vector<uint8_t> rgbaBytes(const assets::Picture& p) {
    std::vector<uint8_t> bytes;
    bytes.reserve(p.rgb.size() * 4);
    for (size_t i = 0; i < p.rgb.size(); ++i) {
        const assets::Rgb& c = p.rgb[i];
        for (float v : {c.r, c.g, c.b, p.alpha[i]}) bytes.push_back(assets::toByte(v));
    }
    return bytes;
}

fs::path writeAssets(const fs::path& dir) {
    auto files = assets::generatePictureFiles();
    files.push_back({"142.xm", composeSoundtrack()});
    for (const auto& file : files)
        if (!writeFile(dir / file.name, file.bytes)) return dir / file.name;
    return {};
}

fs::path writeIconTheme(const fs::path& dir) {
    for (const assets::Picture& icon : assets::iconImages()) {
        const std::string size = std::to_string(icon.width) + "x" + std::to_string(icon.height);
        const fs::path path = dir / size / "apps" / "tarvo.png";
        fs::create_directories(path.parent_path());
        if (!png::write(path.string(), icon.width, icon.height, 4, rgbaBytes(icon))) return path;
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    const bool iconTheme = argc == 3 && std::strcmp(argv[1], "--icon-theme") == 0;
    if (argc != 2 && !iconTheme) {
        std::fprintf(stderr, "usage: %s OUTDIR\n       %s --icon-theme DIR\n", argv[0], argv[0]);
        return 2;
    }
    try {
        const fs::path dir = argv[argc - 1];
        fs::create_directories(dir);
        const fs::path failed = iconTheme ? writeIconTheme(dir) : writeAssets(dir);
        if (!failed.empty()) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], failed.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
