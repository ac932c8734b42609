#pragma once
// The console font's line-drawing, shade and block characters (codes 176 to 223), drawn on the
// pixel grid so that neighbouring cells join at the console's 12-pixel advance and 16-pixel lines.
#include "../core/Picture.h"

namespace assets {

constexpr int kCellAdvance = 12;
constexpr int kCellHeight = 16;

bool isCellGraphic(int code);
// Fills the 16 x 16 cell whose top-left pixel is (left, top) of the mask.
void drawCellGraphic(Mask& mask, int code, int left, int top);

}  // namespace assets
