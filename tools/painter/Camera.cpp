#include "painter/Camera.h"

#include <cmath>
#include <numbers>

namespace paint {
namespace {
const double kCos = std::cos(CameraTiltDegrees * std::numbers::pi / 180.0);
const double kSin = std::sin(CameraTiltDegrees * std::numbers::pi / 180.0);
}  // namespace

QPointF Camera::Project(Vec3 p) const {
  return {originX + p.x, originY - (p.z * kCos + p.y * kSin)};
}

double Camera::Depth(Vec3 p) const {
  return p.y;
}

Vec3 Camera::TowardCamera() const {
  return {0, -kCos, kSin};
}

QPointF Camera::ProjectDirection(Vec3 d) const {
  return {d.x, -(d.z * kCos + d.y * kSin)};
}

}  // namespace paint
