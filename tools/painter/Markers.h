#pragma once
// The small sprites. smallsp.bmp, 16 x 16 tiles: 0 the batting marker, 1 the
// ball's shadow (its ground point), 2 unused, 3 the pitch spot. cball.bmp,
// 32 x 32 tiles 0 to 2: the red ball turning over, its seam in three places.
// Each marks the game's point (the tile's corner) at the pixel
// (GroundMarkX, GroundMarkY); the ball rests on its shadow.

#include <QImage>

namespace paint {

inline constexpr int SmallTiles = 4;
inline constexpr int BallTiles = 3;

QImage PaintSmallTile(int tile);
QImage PaintSmallSheet();
QImage PaintBallTile(int tile);
QImage PaintBallSheet();

}  // namespace paint
