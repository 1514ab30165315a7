#include "painter/Head.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "painter/Shapes.h"

namespace paint {
namespace {

QPainterPath Oval(QPointF centre, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

// How squarely the face looks at the camera: 1 straight at it, -1 away.
double Facing(const Camera& c, const Joints& j) {
  return Dot(j.gaze, c.TowardCamera());
}

void PaintGrille(QPainter& p, QPointF face, double rx, double ry, const Tone& grille) {
  p.setPen(QPen(grille.line, 1.6));
  for (double k : {-0.05, 0.35, 0.7}) {
    const double half = rx * std::sqrt(std::max(0.0, 1 - k * k)) * 0.95;
    p.drawLine(face + QPointF(-half, ry * k), face + QPointF(half, ry * k));
  }
  p.setPen(QPen(grille.base, 0.9));
  for (double k : {-0.05, 0.35, 0.7}) {
    const double half = rx * std::sqrt(std::max(0.0, 1 - k * k)) * 0.95;
    p.drawLine(face + QPointF(-half, ry * k), face + QPointF(half, ry * k));
  }
  p.drawLine(face + QPointF(0, -ry * 0.1), face + QPointF(0, ry * 0.95));
}

void PaintHelmet(QPainter& p, const Camera& c, const Figure& f, const Joints& j) {
  const double r = f.body.headRadius;
  const QPointF centre = c.Project(j.head);
  const QPointF look = c.ProjectDirection(j.gaze);
  const double facing = Facing(c, j);
  PaintBlob(p, Oval(centre, r + 1.2, r + 1.0), f.outfit.helmetShell);
  if (facing < -0.3) {
    p.setPen(QPen(f.outfit.helmetShell.line, 1.4));
    p.drawLine(centre + QPointF(-r * 0.8, r * 0.55), centre + QPointF(r * 0.8, r * 0.55));
    return;
  }
  const double rx = r * (0.42 + 0.3 * std::max(0.0, facing));
  const double ry = r * 0.62;
  const QPointF face = centre + QPointF(look.x() * r * 0.62, r * 0.3 + look.y() * r * 0.3);
  PaintShaded(p, Oval(face, rx, ry), f.outfit.skin, face, QPointF(-1, -0.3), rx);
  p.setPen(Qt::NoPen);
  p.setBrush(f.outfit.skin.line);
  const double eyeY = face.y() - ry * 0.32;
  for (double side : {-0.42, 0.42}) {
    if (facing > 0.25 || side * look.x() > 0)
      p.drawEllipse(QPointF(face.x() + rx * side, eyeY), 1.1, 1.0);
  }
  PaintGrille(p, face + QPointF(look.x() * 1.5, 1.5), rx * 1.05, ry * 0.85, f.outfit.grille);
  // The peak shades the eyes and juts out the way he looks.
  const QPointF peak = face + QPointF(look.x() * 2.5, -ry * 0.72);
  PaintCapsule(p, peak - QPointF(rx + 1.5, 0), peak + QPointF(rx + 1.5, 0), 2.0, 2.0,
               f.outfit.helmetShell);
}

void PaintHair(QPainter& p, const Camera& c, const Figure& f, const Joints& j) {
  const double r = f.body.headRadius;
  const QPointF centre = c.Project(j.head);
  const QPointF look = c.ProjectDirection(j.gaze);
  const Vec3 side = Normalised(Cross(j.gaze, Vec3{0, 0, 1}));
  const QPointF ear = c.ProjectDirection(side) * (r * 0.92);
  for (double s : {-1.0, 1.0}) {
    const QPointF at = centre + ear * s + QPointF(0, 1.5);
    PaintCapsule(p, at, at, 2.6, 2.6, f.outfit.skin);
  }
  PaintBlob(p, Oval(centre, r, r), f.outfit.skin);
  const QPointF hair = centre - look * (r * 0.35) + QPointF(0, -1.6);
  PaintBlob(p, Oval(hair, r * 0.97, r * 0.86), f.outfit.hair);
}

}  // namespace

void PaintHead(QPainter& p, const Camera& camera, const Figure& figure, const Joints& j) {
  if (figure.outfit.helmet) {
    PaintHelmet(p, camera, figure, j);
  } else {
    PaintHair(p, camera, figure, j);
  }
}

}  // namespace paint
