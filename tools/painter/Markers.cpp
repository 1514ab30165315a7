#include "painter/Markers.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "painter/Geometry.h"
#include "painter/Sprite.h"

namespace paint {
namespace {

// Pixel (GroundMarkX, GroundMarkY) covers this square; its middle is the mark.
const QPointF kMark(art::GroundMarkX + 0.5, art::GroundMarkY + 0.5);
const QPointF kBallCentre(art::BallCentreX + 0.5, art::BallCentreY + 0.5);
constexpr double kBallRadius = art::BallRadius + 0.5;

// The batting marker: a yellow ring lying flat on the crease.
void PaintBattingMarker(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 34, 10), 3.6));
  p.drawEllipse(kMark, 6.0, 3.9);
  p.setPen(QPen(QColor(255, 214, 40), 1.8));
  p.drawEllipse(kMark, 6.0, 3.9);
}

void PaintShadow(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(44, 52, 36));
  p.drawEllipse(kMark, 6.2, 2.6);
}

// The pitch spot: a white scuff ring with a red heart, where the ball will land.
void PaintPitchSpot(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(60, 20, 20), 3.0));
  p.drawEllipse(kMark, 5.0, 3.0);
  p.setPen(QPen(QColor(255, 255, 255), 1.4));
  p.drawEllipse(kMark, 5.0, 3.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(220, 30, 30));
  p.drawEllipse(kMark, 1.8, 1.3);
}

void PaintBall(QPainter& p, int turn) {
  QRadialGradient body(kBallCentre - QPointF(1.6, 1.8), kBallRadius * 1.6);
  body.setColorAt(0, QColor(236, 70, 64));
  body.setColorAt(0.5, QColor(190, 24, 30));
  body.setColorAt(1, QColor(96, 8, 14));
  p.setPen(QPen(QColor(70, 6, 10), 0.9));
  p.setBrush(body);
  p.drawEllipse(kBallCentre, kBallRadius - 0.2, kBallRadius - 0.2);
  // The seam, a great circle seen at a turning angle.
  const double squash = std::cos(turn * std::numbers::pi / 3.0);
  QPainterPath seam;
  seam.addEllipse(kBallCentre, kBallRadius * 0.55 * std::abs(squash) + 0.4, kBallRadius - 1.0);
  p.save();
  p.translate(kBallCentre);
  p.rotate(30 + turn * 50);
  p.translate(-kBallCentre);
  p.setPen(QPen(QColor(250, 236, 220), 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawPath(seam);
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 214, 206));
  p.drawEllipse(kBallCentre - QPointF(1.8, 1.9), 1.0, 0.9);
}

}  // namespace

QImage PaintSmallTile(int tile) {
  return PaintTile(field::SmallTileSize, field::SmallTileSize, Edges::Smooth, [&](QPainter& p) {
    if (tile == 0) PaintBattingMarker(p);
    if (tile == 1) PaintShadow(p);
    if (tile == 3) PaintPitchSpot(p);
  });
}

QImage PaintSmallSheet() {
  return PaintSheet(field::SmallTileSize, field::SmallTileSize, SmallTiles, 1, SmallTiles,
                    PaintSmallTile);
}

QImage PaintBallTile(int tile) {
  return PaintTile(field::BallTileSize, field::BallTileSize, Edges::Smooth,
                   [&](QPainter& p) { PaintBall(p, tile); });
}

QImage PaintBallSheet() {
  return PaintSheet(field::BallTileSize, field::BallTileSize, BallTiles, 1, BallTiles,
                    PaintBallTile);
}

}  // namespace paint
