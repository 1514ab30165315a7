#pragma once
// The stumps, stumps.bmp: three tiles of 64 x 64. Tile 0 stands at both ends
// every tick; tiles 1 and 2 are the batting end's stumps knocked back, the bails
// flying. The three stumps span exactly the pixels a bowled ball touches.

#include <QImage>

namespace paint {

inline constexpr int StumpsTiles = 3;

QImage PaintStumpsTile(int tile);
QImage PaintStumpsSheet();

}  // namespace paint
