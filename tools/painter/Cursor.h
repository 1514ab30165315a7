#pragma once
// The bowling cursor, GAMESP.bmp: 64 x 64 tiles, one per pace (0 fast, 1
// fast/medium, 2 slow). Its aiming mark sits where the pitch spot's mark will
// land; the ring round it is how far the ball may stray at that pace, and the
// chevrons above say how quick it is.

#include <QImage>

namespace paint {

inline constexpr int CursorTiles = 3;

QImage PaintCursorTile(int pace);
QImage PaintCursorSheet();

}  // namespace paint
