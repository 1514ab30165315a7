#include "painter/Ground.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/model/FieldGeometry.h"
#include "painter/Pitch.h"
#include "painter/Stands.h"

namespace paint {
namespace ground {

double PitchHalfWidth(double y) {
  return PitchHalfWidthAtStumps + Widening * (y - art::BattingCreaseY);
}

double Across(double x, double y) {
  return (x - art::PitchCentreX) / (y - VanishY);
}

double BoundaryY(double x) {
  const double dx = x - art::PitchCentreX;
  return 60 + 0.00058 * dx * dx;
}

double Speckle(int x, int y, std::uint32_t salt) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^
                    static_cast<std::uint32_t>(y) * 19349663u ^ salt * 83492791u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return (h & 0xFFFF) / 32767.5 - 1.0;
}

QRgb Shade(QColor base, double amount) {
  auto channel = [amount](int v) {
    return std::clamp(static_cast<int>(std::lround(v * (1 + amount))), 0, 255);
  };
  return qRgb(channel(base.red()), channel(base.green()), channel(base.blue()));
}

}  // namespace ground

namespace {

// Mowing stripes as wide as the pitch, darker near the camera, hazier far off.
const QColor kGrassLight(118, 172, 78);
const QColor kGrassDark(92, 148, 60);
constexpr double kStripe = 2 * ground::Widening;

QRgb GrassAt(int x, int y) {
  const double across = ground::Across(x, y) + kStripe / 2;
  const bool light = static_cast<long>(std::floor(across / kStripe)) % 2 == 0;
  const double far = 1.0 - std::clamp((y - 60) / 420.0, 0.0, 1.0);
  const double square = std::abs(ground::Across(x, y)) < 0.42 ? 0.03 : 0.0;
  const double amount = 0.05 * far + square + 0.035 * ground::Speckle(x, y, 1) - 0.06 * (1 - far);
  return ground::Shade(light ? kGrassLight : kGrassDark, amount);
}

void PaintGrass(QImage& ground) {
  for (int y = 0; y < ground.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(ground.scanLine(y));
    for (int x = 0; x < ground.width(); ++x) line[x] = GrassAt(x, y);
  }
}

}  // namespace

QImage PaintGround() {
  QImage ground(field::ScreenWidth, field::ScreenHeight, QImage::Format_RGB32);
  PaintGrass(ground);
  PaintPitch(ground);
  PaintStands(ground);
  return ground;
}

}  // namespace paint
