// tarvo-assets OUTDIR: writes the demo's generated resources (pictures, font, icon and the
// soundtrack) into OUTDIR, creating it if needed.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

#include "AssetSet.h"
#include "soundtrack/Soundtrack.h"

namespace {

bool writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);
        auto files = assets::generatePictureFiles();
        files.push_back({"142.xm", composeSoundtrack()});
        for (const auto& file : files)
            if (!writeFile(dir / file.name, file.bytes)) {
                std::fprintf(stderr, "%s: cannot write %s\n", argv[0], (dir / file.name).c_str());
                return 1;
            }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
