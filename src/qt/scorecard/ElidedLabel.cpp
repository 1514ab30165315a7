#include "qt/scorecard/ElidedLabel.h"

#include <QFontMetrics>

#include "qt/scorecard/ChartSide.h"

namespace {
constexpr int kMinimumChars = 6;  // room for a few letters and the ellipsis
}

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  setTextFormat(Qt::PlainText);
}

void ElidedLabel::SetFullText(const QString& text) {
  full_ = text;
  setToolTip(text);
  Elide();
  updateGeometry();
}

QSize ElidedLabel::minimumSizeHint() const {
  const QFontMetrics metrics(font());
  return {metrics.averageCharWidth() * kMinimumChars, metrics.height()};
}

QSize ElidedLabel::sizeHint() const {
  const QFontMetrics metrics(font());
  return {metrics.horizontalAdvance(full_) + 2 * margin(), metrics.height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void ElidedLabel::Elide() {
  setText(ElidedTeam(full_, font(), contentsRect().width()));
}
