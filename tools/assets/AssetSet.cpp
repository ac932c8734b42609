#include "AssetSet.h"

#include <functional>

#include "core/IcoFile.h"
#include "core/TgaFile.h"
#include "pictures/Pictures.h"

namespace assets {

namespace {

// The logo file carries the full set of TGA 2.0 trailer areas and is as long as the texture
// table lists it.
const TgaExtension kLogoExtension{
    "Velmora",
    "Velmora group logo for Tarvo.",
    "Tarvo",
    "tarvo-assets",
    2001, 8, 11,
    "Drawn by tarvo-assets from code; change the generator rather than this file.",
    269030,
};

struct PictureFile {
    int id;
    std::function<Picture()> draw;
};

}  // namespace

std::vector<AssetFile> generatePictureFiles() {
    const PictureFile pictures[] = {
        {102, consoleFont},  {103, creditCode},   {104, creditGraphics}, {105, creditMusic},
        {111, lightSpot},    {116, marbleSwirls}, {117, metalPlate},     {129, daisy},
        {136, slantedLogo},  {138, painting},     {139, greetings},      {141, endCard},
    };
    std::vector<AssetFile> files;
    for (const auto& p : pictures) files.push_back({std::to_string(p.id) + ".tga", encodeTga(p.draw())});
    files.push_back({"113.tga", encodeTga(blueLogo(), kLogoExtension)});
    files.push_back({"143.ico", encodeIco(iconImages())});
    return files;
}

}  // namespace assets
