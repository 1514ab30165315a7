#pragma once
// The batsman's picture, shots256.bmp: 38 tiles of 320 x 200, drawn by the game
// at (180, 0) or, after a drive, push or glance, moved along with the ball's line.

#include <QImage>

#include "painter/Camera.h"
#include "painter/FigurePainter.h"

namespace paint {

inline constexpr int BatsmanSheetColumns = 8;
inline constexpr int BatsmanSheetRows = 5;

const Figure& BatsmanFigure();
// Where his figure space sits in the tile.
Camera BatsmanCamera();
// One hardened tile (magenta background).
QImage PaintBatsmanTile(int tile);
QImage PaintBatsmanSheet();

}  // namespace paint
