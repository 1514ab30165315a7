#pragma once
// Shaded shapes for the figures: filled with a gradient from the lit side (the
// light comes from the upper left) to the shaded side, and outlined.

#include <QPainterPath>
#include <QPointF>
#include <vector>

#include "painter/Pose.h"

class QPainter;

namespace paint {

inline constexpr double OutlineWidth = 1.0;

// A limb: two circles joined by their outer tangents.
QPainterPath CapsulePath(QPointF a, QPointF b, double ra, double rb);
// The rounded hull around a set of circles (a trunk seen from any side).
QPainterPath HullPath(const std::vector<QPointF>& centres, const std::vector<double>& radii);
// Fills the path lit from the side that `toLight` points to, over `halfWidth`
// pixels either side of `centre`, and strokes its outline.
void PaintShaded(QPainter& p, const QPainterPath& path, const Tone& tone, QPointF centre,
                 QPointF toLight, double halfWidth);
// A limb lit across its width.
void PaintCapsule(QPainter& p, QPointF a, QPointF b, double ra, double rb, const Tone& tone);
// A trunk or a head, lit across its bounding box.
void PaintBlob(QPainter& p, const QPainterPath& path, const Tone& tone);
// The unit vector of the screen direction the light comes from.
QPointF LightDirection();

}  // namespace paint
