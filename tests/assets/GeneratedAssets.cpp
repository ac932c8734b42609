#include "GeneratedAssets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

FileSet runGenerator() {
    std::string pattern = (fs::temp_directory_path() / "tarvo-assets-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        ADD_FAILURE() << "cannot make a temporary folder";
        return {};
    }
    const fs::path dir = pattern;
    const std::string command = std::string("'") + TARVO_ASSETS_EXE + "' '" + dir.string() + "'";
    const int status = std::system(command.c_str());
    EXPECT_EQ(status, 0) << command;
    FileSet files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] = Bytes(std::istreambuf_iterator<char>(in), {});
    }
    fs::remove_all(dir);
    return files;
}

const FileSet& generatedFiles() {
    static const FileSet files = runGenerator();
    return files;
}

uint16_t le16(const Bytes& b, size_t at) { return uint16_t(b.at(at) | b.at(at + 1) << 8); }

uint32_t le32(const Bytes& b, size_t at) { return le16(b, at) | uint32_t(le16(b, at + 2)) << 16; }
