#include "painter/Stumps.h"

#include <QPainter>
#include <array>

#include "painter/Geometry.h"
#include "painter/Sprite.h"

namespace paint {
namespace {

constexpr int kStumpWidth = 3;
constexpr int kBailHeight = 2;
constexpr int kStumpTop = art::BailsTop + kBailHeight;  // the bails sit in grooves on top
constexpr std::array<int, 3> kStumpLeft = {art::StumpsLeft, art::StumpsCentreX - kStumpWidth / 2,
                                           art::StumpsRight - kStumpWidth + 1};

const QColor kWoodLight(252, 248, 232);
const QColor kWood(228, 216, 180);
const QColor kWoodShade(150, 132, 96);
const QColor kWoodLine(84, 70, 48);
const QColor kFoot(64, 56, 40);

// One stump, lit from the left, its foot in the ground.
void PaintStump(QPainter& p, double left, double top, double bottom) {
  const double w = kStumpWidth;
  p.fillRect(QRectF(left, top, 1, bottom - top), kWoodLight);
  p.fillRect(QRectF(left + 1, top, w - 2, bottom - top), kWood);
  p.fillRect(QRectF(left + w - 1, top, 1, bottom - top), kWoodShade);
  p.fillRect(QRectF(left, top, w, 1), kWoodLine);
  p.fillRect(QRectF(left, bottom - 2, w, 2), kFoot);
}

void PaintBail(QPainter& p, QPointF centre, double length, double degrees) {
  p.save();
  p.translate(centre);
  p.rotate(degrees);
  p.setPen(QPen(kWoodLine, 0.8));
  p.setBrush(kWoodLight);
  p.drawRoundedRect(QRectF(-length / 2, -1.2, length, 2.4), 1.0, 1.0);
  p.restore();
}

void PaintStanding(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int left : kStumpLeft) PaintStump(p, left, kStumpTop, art::StumpsBase + 1);
  const int mid = art::StumpsCentreX;
  for (int from : {art::StumpsLeft, mid}) {
    const int to = from == mid ? art::StumpsRight + 1 : mid;
    p.fillRect(QRect(from, art::BailsTop, to - from, kBailHeight), kWood);
    p.fillRect(QRect(from, art::BailsTop, to - from, 1), kWoodLight);
    p.fillRect(QRect(to - 1, art::BailsTop, 1, kBailHeight), kWoodLine);
  }
}

// A stump knocked back and aside: pivoting on its foot, leaning `degrees`
// sideways and foreshortened by `back` as its top goes away from the camera.
void PaintKnocked(QPainter& p, int left, double degrees, double back) {
  p.save();
  const double height = (art::StumpsBase + 1 - kStumpTop) * back;
  p.translate(left + kStumpWidth / 2.0, art::StumpsBase + 1);
  p.rotate(degrees);
  p.setRenderHint(QPainter::Antialiasing);
  PaintStump(p, -kStumpWidth / 2.0, -height, 0);
  p.restore();
}

struct Wreck {
  std::array<double, 3> lean, back;
  QPointF bail1, bail2;
  double spin1, spin2;
};

// Just hit: stumps jolted back, bails jumping off. Then splayed, bails flying
// away to the leg side (the off stump has no room to fall further left).
constexpr std::array<Wreck, 2> kWrecks = {{
    {{-4, 12, 16}, {0.92, 0.75, 0.9}, {9, 3}, {21, 1.5}, -30, 40},
    {{-5, 26, 40}, {0.7, 0.45, 0.8}, {36, 6}, {52, 3}, 70, -50},
}};

void PaintFalling(QPainter& p, const Wreck& w) {
  for (int i = 0; i < 3; ++i) PaintKnocked(p, kStumpLeft[i], w.lean[i], w.back[i]);
  p.setRenderHint(QPainter::Antialiasing);
  PaintBail(p, w.bail1, 9, w.spin1);
  PaintBail(p, w.bail2, 9, w.spin2);
}

}  // namespace

QImage PaintStumpsTile(int tile) {
  return PaintTile(field::StumpsTileSize, field::StumpsTileSize, Edges::Hard, [&](QPainter& p) {
    if (tile == 0) {
      PaintStanding(p);
    } else {
      PaintFalling(p, kWrecks.at(static_cast<size_t>(tile - 1)));
    }
  });
}

QImage PaintStumpsSheet() {
  return PaintSheet(field::StumpsTileSize, field::StumpsTileSize, StumpsTiles, 1, StumpsTiles,
                    PaintStumpsTile);
}

}  // namespace paint
