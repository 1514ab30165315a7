#include "painter/Stands.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "core/model/FieldGeometry.h"
#include "painter/Ground.h"

namespace paint {
namespace {

constexpr int kBoardHeight = 9;
constexpr int kTier = 6;  // rows of seats, pixels apart
const QColor kConcrete(96, 100, 104);
const QColor kSeat(58, 84, 120);
const QColor kScreen(26, 32, 44);
const QColor kBoard(16, 20, 28);
const QColor kBoardEdge(78, 88, 104);

const std::array<QColor, 8> kShirts = {
    QColor(226, 226, 220), QColor(200, 44, 48),  QColor(40, 90, 170),  QColor(236, 196, 60),
    QColor(60, 140, 80),   QColor(230, 120, 40), QColor(120, 60, 140), QColor(40, 40, 44)};
const std::array<QColor, 4> kHeads = {QColor(222, 176, 140), QColor(150, 100, 70),
                                      QColor(90, 60, 40), QColor(240, 210, 170)};

double Hash01(int x, int y, int salt) {
  return (ground::Speckle(x, y, salt) + 1) / 2;
}

// The crowd: a head and shirt every few pixels, an empty seat now and then,
// tiers of concrete between the rows, darker towards the roof.
QRgb CrowdAt(int x, int y) {
  const int row = y / kTier, inRow = y % kTier;
  const double shade = -0.55 + 0.5 * std::clamp(y / 70.0, 0.0, 1.0);
  if (inRow == kTier - 1) return ground::Shade(kConcrete, shade);
  const int seatX = (x + (row % 2) * 2) / 4;
  const double who = Hash01(seatX, row, 11);
  if (who < 0.12) return ground::Shade(kSeat, shade);
  const int inSeat = (x + (row % 2) * 2) % 4;
  if (inSeat == 3) return ground::Shade(kConcrete, shade - 0.2);
  const QColor& shirt = kShirts[static_cast<size_t>(Hash01(seatX, row, 12) * kShirts.size())];
  const QColor& head = kHeads[static_cast<size_t>(Hash01(seatX, row, 13) * kHeads.size())];
  const bool isHead = inRow <= 1 && inSeat >= 1;
  return ground::Shade(isHead ? head : shirt, shade * 1.1 - 0.12);
}

QColor BoardColour(int x) {
  static const std::array<QColor, 6> colours = {QColor(28, 70, 160),   QColor(236, 196, 40),
                                                QColor(240, 240, 236), QColor(196, 36, 40),
                                                QColor(24, 120, 72),   QColor(30, 30, 36)};
  return colours[static_cast<size_t>((x / 53) % static_cast<int>(colours.size()))];
}

// Boards along the rope: a colour each, with a pale stripe.
QRgb BoardAt(int x, int fromRope) {
  const QColor c = BoardColour(x);
  if (fromRope == 4 || fromRope == 5) return ground::Shade(c, (x / 53) % 2 ? 0.35 : -0.3);
  return ground::Shade(c, fromRope <= 1 ? -0.35 : 0.0);
}

void PaintBeyondRope(QImage& ground) {
  for (int x = 0; x < ground.width(); ++x) {
    const int rope = static_cast<int>(std::lround(ground::BoundaryY(x)));
    for (int y = 0; y < std::min(rope, ground.height()); ++y) {
      const int fromRope = rope - 1 - y;
      auto* line = reinterpret_cast<QRgb*>(ground.scanLine(y));
      line[x] = fromRope < kBoardHeight ? BoardAt(x, fromRope) : CrowdAt(x, y);
    }
  }
}

void PaintRope(QPainter& p) {
  QPainterPath rope;
  for (int x = 0; x <= field::ScreenWidth; x += 4) {
    const QPointF at(x, ground::BoundaryY(x) + 0.5);
    if (x == 0)
      rope.moveTo(at);
    else
      rope.lineTo(at);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 60, 30), 3.2));
  p.drawPath(rope);
  p.setPen(QPen(QColor(236, 236, 228), 1.6));
  p.drawPath(rope);
}

void PaintSightscreen(QPainter& p) {
  const double half = 72;
  const double bottom = ground::BoundaryY(art::PitchCentreX) - 1;
  const QRectF screen(art::PitchCentreX - half, 6, 2 * half, bottom - 6);
  p.setPen(QPen(QColor(60, 66, 76), 2));
  p.setBrush(kScreen);
  p.drawRect(screen);
}

void PaintScoreboard(QPainter& p, int left, int top, int right, int bottom) {
  p.setPen(QPen(kBoardEdge, 1.5));
  p.setBrush(kBoard);
  p.drawRoundedRect(QRectF(left + 0.5, top + 0.5, right - left, bottom - top), 4, 4);
}

}  // namespace

void PaintStands(QImage& ground) {
  PaintBeyondRope(ground);
  QPainter p(&ground);
  p.setRenderHint(QPainter::Antialiasing);
  PaintRope(p);
  PaintSightscreen(p);
  PaintScoreboard(p, ground::LeftBoardX, ground::LeftBoardY, ground::LeftBoardRight,
                  ground::LeftBoardBottom);
  PaintScoreboard(p, ground::RightBoardX, ground::RightBoardY, ground::RightBoardRight,
                  ground::RightBoardBottom);
}

}  // namespace paint
