#include "painter/Cursor.h"

#include <QPainter>
#include <QPolygonF>
#include <array>

#include "painter/Geometry.h"
#include "painter/Sprite.h"

namespace paint {
namespace {

struct Pace {
  double strayX, strayY;  // largest error of the pitch spot, pixels
  int chevrons;
  QColor colour;
};

// The pitch spot lands up to 12 / 10 pixels off for a fast ball, 10 / 8 at
// fast-medium, 6 / 5 slow.
const std::array<Pace, CursorTiles> kPaces = {{
    {12, 10, 3, QColor(240, 60, 46)},
    {10, 8, 2, QColor(255, 168, 30)},
    {6, 5, 1, QColor(70, 200, 255)},
}};

const QColor kEdge(20, 20, 24);
const QPointF kAim(art::CursorMarkX + 0.5, art::CursorMarkY + 0.5);

// Draws twice: a dark edge under a bright line, so it shows on grass and pitch.
template <typename Draw>
void Outlined(QPainter& p, QColor colour, double width, Draw draw) {
  p.setPen(QPen(kEdge, width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  draw();
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  draw();
}

void PaintSights(QPainter& p, const Pace& pace) {
  const double rx = pace.strayX + 1.5, ry = pace.strayY + 1.5;
  p.setBrush(Qt::NoBrush);
  Outlined(p, pace.colour, 1.6, [&] { p.drawEllipse(kAim, rx, ry); });
  Outlined(p, pace.colour, 1.6, [&] {
    p.drawLine(kAim + QPointF(-rx - 7, 0), kAim + QPointF(-rx - 2, 0));
    p.drawLine(kAim + QPointF(rx + 2, 0), kAim + QPointF(rx + 7, 0));
    p.drawLine(kAim + QPointF(0, ry + 2), kAim + QPointF(0, ry + 7));
  });
  p.setPen(QPen(kEdge, 1));
  p.setBrush(Qt::white);
  p.drawEllipse(kAim, 2.0, 2.0);
}

// Chevrons pointing up the pitch, one for each step of pace.
void PaintChevrons(QPainter& p, const Pace& pace) {
  const double top = kAim.y() - pace.strayY - 8 - 6 * pace.chevrons;
  for (int i = 0; i < pace.chevrons; ++i) {
    const double y = top + 6 * i;
    const QPolygonF v({kAim + QPointF(-5, y + 4 - kAim.y()), kAim + QPointF(0, y - kAim.y()),
                       kAim + QPointF(5, y + 4 - kAim.y())});
    Outlined(p, pace.colour, 1.8, [&] { p.drawPolyline(v); });
  }
}

}  // namespace

QImage PaintCursorTile(int pace) {
  const Pace& look = kPaces.at(static_cast<size_t>(pace));
  return PaintTile(field::CursorTileSize, field::CursorTileSize, Edges::Smooth, [&](QPainter& p) {
    PaintSights(p, look);
    PaintChevrons(p, look);
  });
}

QImage PaintCursorSheet() {
  return PaintSheet(field::CursorTileSize, field::CursorTileSize, CursorTiles, 1, CursorTiles,
                    PaintCursorTile);
}

}  // namespace paint
