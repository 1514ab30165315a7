#include "painter/Batsman.h"

#include <QPainter>

#include "painter/BatsmanPoses.h"
#include "painter/Geometry.h"
#include "painter/Palette.h"
#include "painter/Skeleton.h"
#include "painter/Sprite.h"

namespace paint {
namespace {

Figure MakeBatsman() {
  Figure f;
  f.body = {.thigh = 49,
            .shin = 48,
            .footFront = 17,
            .footBack = 6,
            .hipHalf = 8.5,
            .spine = 60,
            .neck = 7,
            .headRadius = 12,
            .shoulderHalf = 18,
            .upperArm = 35,
            .forearm = 34,
            .thighRadius = 9.5,
            .kneeRadius = 7.5,
            .ankleRadius = 5,
            .upperArmRadius = 6,
            .elbowRadius = 5,
            .wristRadius = 4.4,
            .handRadius = 6,
            .chestRadius = 13,
            .waistRadius = 11.5,
            .hipRadius = 11};
  Outfit& o = f.outfit;
  o.shirt = o.trousers = o.shoe = palette::Whites();
  o.skin = palette::Skin();
  o.sole = palette::Sole();
  o.hair = palette::Hair();
  o.pad = palette::Pads();
  o.glove = palette::Whites();
  o.gloveTrim = palette::Navy();
  o.helmetShell = palette::Navy();
  o.grille = palette::Grille();
  o.trim = palette::Navy();
  o.longSleeves = o.pads = o.gloves = o.helmet = true;
  return f;
}

}  // namespace

const Figure& BatsmanFigure() {
  static const Figure figure = MakeBatsman();
  return figure;
}

Camera BatsmanCamera() {
  // His pads stand over the middle of the body test's low zone, his feet on the crease.
  return {(art::PadsTileLeft + art::PadsTileRight + 1) / 2.0, art::FeetTileY - 1.0};
}

QImage PaintBatsmanTile(int tile) {
  const Figure& figure = BatsmanFigure();
  return PaintTile(
      field::BatsmanTileWidth, field::BatsmanTileHeight, Edges::Smooth, [&](QPainter& p) {
        PaintFigure(p, BatsmanCamera(), figure, Solve(figure.body, figure.bat, BatsmanPose(tile)));
      });
}

QImage PaintBatsmanSheet() {
  return PaintSheet(field::BatsmanTileWidth, field::BatsmanTileHeight, BatsmanSheetColumns,
                    BatsmanSheetRows, BatsmanTiles, PaintBatsmanTile);
}

}  // namespace paint
