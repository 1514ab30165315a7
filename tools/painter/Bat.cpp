#include "painter/Bat.h"

#include <QPainter>
#include <QPolygonF>

#include "painter/Shapes.h"

namespace paint {
namespace {

const Tone kWillow = ToneOf(QColor(232, 206, 150));
const Tone kWillowBack = ToneOf(QColor(190, 150, 92));
const Tone kGrip = ToneOf(QColor(40, 44, 52));
const QColor kBand(196, 38, 46);

QPolygonF Quad(const Camera& c, Vec3 a, Vec3 b, Vec3 d, Vec3 e) {
  return QPolygonF({c.Project(a), c.Project(b), c.Project(d), c.Project(e)});
}

// The blade as a box: the face rectangle and, behind it, the back.
void PaintBlade(QPainter& p, const Camera& c, const BatBuild& bat, const Joints& j) {
  const Vec3 w = j.batWidth * (bat.bladeWidth / 2);
  const Vec3 back = j.batFace * -bat.bladeThickness;
  const Vec3 top = j.batShoulder, toe = j.batToe;
  const bool faceShown = Dot(j.batFace, c.TowardCamera()) > 0;
  QPainterPath hull;
  hull.setFillRule(Qt::WindingFill);
  hull.addPolygon(Quad(c, top + w, top - w, toe - w, toe + w));
  hull.addPolygon(Quad(c, top + w + back, top - w + back, toe - w + back, toe + w + back));
  hull.addPolygon(Quad(c, top + w, toe + w, toe + w + back, top + w + back));
  hull.addPolygon(Quad(c, top - w, toe - w, toe - w + back, top - w + back));
  PaintBlob(p, hull.simplified(), kWillowBack);
  const Vec3 shown = faceShown ? Vec3{} : back;
  const Tone& tone = faceShown ? kWillow : kWillowBack;
  QPainterPath face;
  face.addPolygon(Quad(c, top + w + shown, top - w + shown, toe - w + shown, toe + w + shown));
  face.closeSubpath();
  PaintBlob(p, face, tone);
  if (!faceShown) return;
  const Vec3 bandTop = Lerp(top, toe, 0.08), bandBottom = Lerp(top, toe, 0.2);
  p.setPen(Qt::NoPen);
  p.setBrush(kBand);
  p.drawPolygon(
      Quad(c, bandTop + w * 0.8, bandTop - w * 0.8, bandBottom - w * 0.8, bandBottom + w * 0.8));
}

}  // namespace

void PaintBat(QPainter& p, const Camera& camera, const BatBuild& bat, const Joints& j) {
  PaintCapsule(p, camera.Project(j.batTop), camera.Project(j.batShoulder), 2.4, 2.2, kGrip);
  PaintBlade(p, camera, bat, j);
}

}  // namespace paint
