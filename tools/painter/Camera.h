#pragma once
// The camera stands behind the bowler's arm and looks up the pitch from a
// little above. A figure is small against that distance, so it is drawn
// without perspective: only tilted, so that what is further up the pitch is
// a little higher on the screen.

#include <QPointF>

#include "painter/Vec3.h"

namespace paint {

inline constexpr double CameraTiltDegrees = 20;

struct Camera {
  double originX = 0, originY = 0;  // the tile pixel of the figure's origin

  QPointF Project(Vec3 p) const;
  // How far back a point is, for deciding which part hides which (larger is
  // further away). The camera is high but far off, so parts overlap by how far
  // up the pitch they are, not by their height.
  double Depth(Vec3 p) const;
  // Unit vector from the figure towards the camera.
  Vec3 TowardCamera() const;
  // A direction's screen offset per pixel of length.
  QPointF ProjectDirection(Vec3 d) const;
};

}  // namespace paint
