#include "qt/commentary/CommentaryStrip.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {

namespace look {
constexpr int kMarginX = 8;  // pixels of band left and right of the words
constexpr int kMarginY = 3;
constexpr int kLinePitch = 18;
constexpr int kFontPixels = 13;
constexpr const char* kFace = "DejaVu Sans";
constexpr QRgb kBand = 0xff1b1f24;  // a dark slate, unlike any grass or pitch colour
constexpr QRgb kRule = 0xff3a4350;  // a thin line between the field and the strip
// By line: amber for the keys to press, white for the last ball, pale blue for the score.
constexpr std::array<QRgb, CommentaryStrip::kLines> kInk = {0xfff2c14e, 0xffffffff, 0xffa9c7e8};
}  // namespace look

// The last ball is said in bold; the other two lines in the book face.
QFont LineFont(std::size_t index) {
  QFont font(look::kFace);
  font.setPixelSize(look::kFontPixels);
  font.setBold(index == 1);
  return font;
}

}  // namespace

CommentaryStrip::CommentaryStrip(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setMinimumSize(kWidth, kHeight);
}

int CommentaryStrip::Scale() const {
  return std::max(1, std::min(width() / kWidth, height() / kHeight));
}

void CommentaryStrip::SetLines(const std::array<std::string, kLines>& lines) {
  for (std::size_t i = 0; i < kLines; ++i) {
    QString line = QString::fromStdString(lines[i]);
    if (line == lines_[i]) continue;
    lines_[i] = std::move(line);
    update(Scaled(LineRect(i)));
  }
}

QString CommentaryStrip::ShownLine(std::size_t index) const {
  if (index >= kLines) return {};
  const QFontMetrics metrics(LineFont(index));
  return metrics.elidedText(lines_[index], Qt::ElideRight, LineRect(index).width());
}

QRect CommentaryStrip::LineRect(std::size_t index) const {
  const int top = look::kMarginY + static_cast<int>(index) * look::kLinePitch;
  return {look::kMarginX, top, width() / Scale() - 2 * look::kMarginX, look::kLinePitch};
}

QRect CommentaryStrip::Scaled(const QRect& rect) const {
  return {rect.topLeft() * Scale(), rect.size() * Scale()};
}

// Painted at the strip's own size and scaled whole: the words are drawn at the
// larger size, not blown up from small ones.
void CommentaryStrip::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), QColor::fromRgb(look::kBand));
  painter.scale(Scale(), Scale());
  painter.fillRect(QRect(0, 0, width() / Scale(), 1), QColor::fromRgb(look::kRule));
  for (std::size_t i = 0; i < kLines; ++i) {
    const QRect rect = LineRect(i);
    if (!event->rect().intersects(Scaled(rect))) continue;
    painter.setFont(LineFont(i));
    painter.setPen(QColor::fromRgb(look::kInk[i]));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, ShownLine(i));
  }
}
