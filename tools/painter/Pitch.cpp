#include "painter/Pitch.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "painter/Ground.h"

namespace paint {
namespace {

const QColor kEarth(204, 186, 132);
const QColor kWorn(172, 146, 98);
const QColor kChalk(248, 248, 240);

struct Patch {
  double x, y, rx, ry, depth;
};

// Scuffed earth: where the batsman takes guard and where the bowler's feet land.
constexpr std::array<Patch, 5> kWear = {{
    {art::PitchCentreX, art::PoppingCreaseY - 22, 46, 26, 0.9},
    {art::PitchCentreX + 12, art::PoppingCreaseY - 30, 18, 14, 0.5},
    {art::PitchCentreX - 92, art::BowlingCreaseY - 20, 40, 28, 0.9},
    {art::PitchCentreX - 70, art::BowlingCreaseY - 42, 26, 16, 0.6},
    {art::PitchCentreX + 60, art::BowlingCreaseY - 16, 26, 18, 0.35},
}};

double WearAt(double x, double y) {
  double wear = 0;
  for (const Patch& w : kWear) {
    const double dx = (x - w.x) / w.rx, dy = (y - w.y) / w.ry;
    wear = std::max(wear, w.depth * std::exp(-(dx * dx + dy * dy)));
  }
  return wear;
}

QRgb Mix(QRgb a, QRgb b, double t) {
  auto ch = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
  return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

QRgb EarthAt(int x, int y) {
  const double wear = WearAt(x, y) * (0.75 + 0.25 * ground::Speckle(x / 2, y / 2, 7));
  const QRgb base = Mix(kEarth.rgb(), kWorn.rgb(), std::clamp(wear, 0.0, 1.0));
  const double grain = 0.045 * ground::Speckle(x, y, 3) + 0.02 * ground::Speckle(x, 0, 5);
  return ground::Shade(QColor(base), grain - 0.04 * (y - art::BattingCreaseY) / 300.0);
}

void PaintEarth(QImage& ground) {
  for (int y = ground::PitchTopY; y <= ground::PitchBottomY; ++y) {
    const double half = ground::PitchHalfWidth(y);
    auto* line = reinterpret_cast<QRgb*>(ground.scanLine(y));
    const int from = static_cast<int>(std::floor(art::PitchCentreX - half - 2));
    const int to = static_cast<int>(std::ceil(art::PitchCentreX + half + 2));
    for (int x = std::max(0, from); x <= std::min(ground.width() - 1, to); ++x) {
      const double inside = half - std::abs(x - art::PitchCentreX);
      const double edge =
          std::min({inside, y - ground::PitchTopY + 0.0, ground::PitchBottomY - y + 0.0});
      if (edge < -1.5) continue;
      const double cover = std::clamp((edge + 1.5) / 4.0, 0.0, 1.0);
      line[x] = Mix(line[x], EarthAt(x, y), cover);
    }
  }
}

// A crease line in perspective at the bowler's end: x for a row on a line
// `across` from the centre line.
double LineX(double across, double y) {
  return art::PitchCentreX + across * (y - ground::VanishY);
}

void PaintBattingEnd(QPainter& p) {
  const int left = art::WideLineLeft - 2, right = art::WideLineRight + 1;  // the lines' columns
  const double half = ground::PitchHalfWidth(art::PoppingCreaseY);
  p.fillRect(QRectF(art::PitchCentreX - half + 2, art::PoppingCreaseY, 2 * half - 4, 2), kChalk);
  p.fillRect(QRect(left, art::BattingCreaseY - 1, right - left + 2, 2), kChalk);
  const int top = art::BattingCreaseY - 14, bottom = art::WideBandScreenBottom + 4;
  p.fillRect(QRect(left, top, 2, bottom - top), kChalk);
  p.fillRect(QRect(right, top, 2, bottom - top), kChalk);
}

void PaintBowlingEnd(QPainter& p) {
  constexpr double kReturn = 0.072;  // return creases either side of the stumps
  constexpr double kPopping = art::BowlingCreaseY - 30;
  const double half = ground::PitchHalfWidth(kPopping);
  p.fillRect(QRectF(art::PitchCentreX - half + 2, kPopping, 2 * half - 4, 2.5), kChalk);
  const double l = LineX(-kReturn, art::BowlingCreaseY), r = LineX(kReturn, art::BowlingCreaseY);
  p.fillRect(QRectF(l, art::BowlingCreaseY - 1, r - l, 2.5), kChalk);
  p.setPen(QPen(kChalk, 2.5));
  const double bottom = ground::PitchBottomY - 4;
  for (double side : {-kReturn, kReturn}) {
    p.drawLine(QPointF(LineX(side, kPopping), kPopping), QPointF(LineX(side, bottom), bottom));
  }
}

}  // namespace

void PaintPitch(QImage& ground) {
  PaintEarth(ground);
  QPainter p(&ground);
  PaintBattingEnd(p);
  p.setRenderHint(QPainter::Antialiasing);
  PaintBowlingEnd(p);
}

}  // namespace paint
