#pragma once
// A point or direction in a figure's own space, in pixels: x to the right of
// the screen, y away from the camera (up the pitch), z up from the ground.

#include <cmath>
#include <numbers>

namespace paint {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

constexpr Vec3 operator+(Vec3 a, Vec3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
constexpr Vec3 operator-(Vec3 a, Vec3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
constexpr Vec3 operator*(Vec3 a, double k) {
  return {a.x * k, a.y * k, a.z * k};
}
constexpr Vec3 operator-(Vec3 a) {
  return {-a.x, -a.y, -a.z};
}
constexpr double Dot(Vec3 a, Vec3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
constexpr Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(Vec3 a) {
  return std::sqrt(Dot(a, a));
}
inline Vec3 Normalised(Vec3 a) {
  const double length = Length(a);
  return length > 0 ? a * (1.0 / length) : Vec3{0, 0, 1};
}
constexpr Vec3 Lerp(Vec3 a, Vec3 b, double t) {
  return a + (b - a) * t;
}
// Sideways (to the figure's right) of a facing yaw: yaw 0 faces up the pitch,
// positive yaw turns towards the right of the screen.
inline Vec3 FacingOf(double yawDegrees) {
  const double a = yawDegrees * std::numbers::pi / 180.0;
  return {std::sin(a), std::cos(a), 0};
}
inline Vec3 RightOf(double yawDegrees) {
  const double a = yawDegrees * std::numbers::pi / 180.0;
  return {std::cos(a), -std::sin(a), 0};
}

}  // namespace paint
