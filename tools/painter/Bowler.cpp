#include "painter/Bowler.h"

#include <QPainter>

#include "painter/BowlerPoses.h"
#include "painter/Geometry.h"
#include "painter/Palette.h"
#include "painter/Skeleton.h"
#include "painter/Sprite.h"

namespace paint {
namespace {

// He runs in on the left half of his tile, so that after the release the ball
// flies up the right half clear of him. His bowling hand at the top of the
// delivery reaches just left of where the ball then appears.
constexpr double kOriginX = art::BallPathTileX - 18;
// His feet on the ground near the bottom of the tile (a trailing shoe still fits).
constexpr double kOriginY = field::BowlerTileHeight - 10;

Figure MakeBowler() {
  Figure f;
  f.body = {.thigh = 50,
            .shin = 49,
            .footFront = 18,
            .footBack = 6,
            .hipHalf = 9,
            .spine = 62,
            .neck = 8,
            .headRadius = 12,
            .shoulderHalf = 20,
            .upperArm = 35,
            .forearm = 34,
            .thighRadius = 10,
            .kneeRadius = 8,
            .ankleRadius = 5.5,
            .upperArmRadius = 6.5,
            .elbowRadius = 5.2,
            .wristRadius = 4.3,
            .handRadius = 4.8,
            .chestRadius = 14.5,
            .waistRadius = 12.5,
            .hipRadius = 12};
  Outfit& o = f.outfit;
  o.shirt = o.trousers = o.shoe = palette::Whites();
  o.skin = palette::Skin();
  o.sole = palette::Sole();
  o.hair = palette::Hair();
  o.trim = ToneOf(palette::BowlerTrim());
  o.ball = palette::BallRed();
  o.numberOnBack = true;
  return f;
}

}  // namespace

const Figure& BowlerFigure() {
  static const Figure figure = MakeBowler();
  return figure;
}

Camera BowlerCamera() {
  return {kOriginX, kOriginY};
}

QImage PaintBowlerTile(int tile) {
  return PaintBowlerPose(BowlerPose(tile));
}

QImage PaintBowlerPose(const Pose& pose) {
  const Figure& figure = BowlerFigure();
  return PaintTile(field::BowlerTileWidth, field::BowlerTileHeight, Edges::Smooth,
                   [&](QPainter& p) {
                     PaintFigure(p, BowlerCamera(), figure, Solve(figure.body, figure.bat, pose));
                   });
}

QImage PaintBowlerSheet() {
  return PaintSheet(field::BowlerTileWidth, field::BowlerTileHeight, BowlerSheetColumns,
                    BowlerSheetRows, BowlerTiles, PaintBowlerTile);
}

}  // namespace paint
