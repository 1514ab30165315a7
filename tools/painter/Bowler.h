#pragma once
// The bowler's picture, bowler.bmp: 39 tiles of 151 x 240 (tile 0 unused by
// the game), drawn at (130 + t, 414 - 4t) in run-up tick t and at y 170 after
// the release.

#include <QImage>

#include "painter/Camera.h"
#include "painter/FigurePainter.h"
#include "painter/Pose.h"

namespace paint {

inline constexpr int BowlerSheetColumns = 13;
inline constexpr int BowlerSheetRows = 3;

const Figure& BowlerFigure();
Camera BowlerCamera();
QImage PaintBowlerTile(int tile);
// One tile of him in any pose (the tiles above are his poses in turn).
QImage PaintBowlerPose(const Pose& pose);
QImage PaintBowlerSheet();

}  // namespace paint
