#pragma once
// The generated pictures, one function each, named after what they show. Every one is drawn
// from code alone and comes out the same to the byte on every run and machine.
#include <vector>

#include "../core/Picture.h"

namespace assets {

Picture consoleFont();       // 102: code page 437, 16 x 16 cells
Picture creditCode();        // 103: credit card for the programming
Picture creditGraphics();    // 104: credit card for the graphics
Picture creditMusic();       // 105: credit card for the music
Picture lightSpot();         // 111: soft round light spot
Picture blueLogo();          // 113: the group's name in blue on white
Picture marbleSwirls();      // 116: orange and brown marbled swirls
Picture metalPlate();        // 117: purple riveted metal plate
Picture daisy();             // 129: white daisy with a yellow centre
Picture slantedLogo();       // 136: the group's name as slanted 3-D lettering
Picture painting();          // 138: dark blue and gold abstract painting
Picture greetings();         // 139: two columns of greeted groups
Picture endCard();           // 141: closing slogan over the signature
std::vector<Picture> iconImages();  // 143: the logo's emblem at the icon sizes

}  // namespace assets
