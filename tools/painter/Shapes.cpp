#include "painter/Shapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace paint {
namespace {

constexpr int kCircleSamples = 20;

double CrossZ(QPointF o, QPointF a, QPointF b) {
  return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

// Andrew's monotone chain; the points come back anticlockwise on screen.
QPolygonF ConvexHull(std::vector<QPointF> pts) {
  std::sort(pts.begin(), pts.end(), [](QPointF a, QPointF b) {
    return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
  });
  std::vector<QPointF> hull(2 * pts.size());
  size_t k = 0;
  for (size_t i = 0; i < pts.size(); ++i) {
    while (k >= 2 && CrossZ(hull[k - 2], hull[k - 1], pts[i]) <= 0) --k;
    hull[k++] = pts[i];
  }
  for (size_t i = pts.size() - 1, t = k + 1; i-- > 0;) {
    while (k >= t && CrossZ(hull[k - 2], hull[k - 1], pts[i]) <= 0) --k;
    hull[k++] = pts[i];
  }
  hull.resize(k > 0 ? k - 1 : 0);
  return QPolygonF(QList<QPointF>(hull.begin(), hull.end()));
}

QPointF Unit(QPointF v) {
  const double l = std::hypot(v.x(), v.y());
  return l > 0 ? v / l : QPointF(0, -1);
}

}  // namespace

QPointF LightDirection() {
  return Unit(QPointF(-0.75, -0.66));
}

QPainterPath CapsulePath(QPointF a, QPointF b, double ra, double rb) {
  std::vector<QPointF> centres{a, b};
  return HullPath(centres, {ra, rb});
}

QPainterPath HullPath(const std::vector<QPointF>& centres, const std::vector<double>& radii) {
  std::vector<QPointF> pts;
  for (size_t c = 0; c < centres.size(); ++c) {
    for (int i = 0; i < kCircleSamples; ++i) {
      const double a = 2 * std::numbers::pi * i / kCircleSamples;
      pts.push_back(centres[c] + QPointF(std::cos(a), std::sin(a)) * radii[c]);
    }
  }
  QPainterPath path;
  path.addPolygon(ConvexHull(std::move(pts)));
  path.closeSubpath();
  return path;
}

void PaintShaded(QPainter& p, const QPainterPath& path, const Tone& tone, QPointF centre,
                 QPointF toLight, double halfWidth) {
  const QPointF n = Unit(toLight) * std::max(halfWidth, 1.0);
  QLinearGradient gradient(centre + n, centre - n);
  gradient.setColorAt(0.0, tone.light);
  gradient.setColorAt(0.45, tone.base);
  gradient.setColorAt(1.0, tone.shade);
  p.setPen(QPen(tone.line, OutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(gradient);
  p.drawPath(path);
}

void PaintCapsule(QPainter& p, QPointF a, QPointF b, double ra, double rb, const Tone& tone) {
  const QPointF axis = b - a;
  QPointF normal(-axis.y(), axis.x());
  if (std::hypot(normal.x(), normal.y()) < 1e-6) normal = LightDirection();
  normal = Unit(normal);
  const QPointF light = LightDirection();
  if (normal.x() * light.x() + normal.y() * light.y() < 0) normal = -normal;
  PaintShaded(p, CapsulePath(a, b, ra, rb), tone, (a + b) / 2, normal, (ra + rb) / 2);
}

void PaintBlob(QPainter& p, const QPainterPath& path, const Tone& tone) {
  const QRectF box = path.boundingRect();
  PaintShaded(p, path, tone, box.center(), QPointF(-0.9, -0.45), box.width() / 2);
}

}  // namespace paint
