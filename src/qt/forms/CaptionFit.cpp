#include "qt/forms/CaptionFit.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QRadioButton>
#include <QStyle>

namespace {
constexpr int kNarrowest = 70;  // percent of the face's normal width
constexpr int kStep = 2;
constexpr int kFrameTitleMargins = 8;
}  // namespace

void NarrowToFit(QWidget& widget, const QString& caption, int room) {
  const QString text = caption.trimmed();  // a trailing blank needs no room
  QFont font = widget.font();
  for (int stretch = QFont::Unstretched; stretch >= kNarrowest; stretch -= kStep) {
    font.setStretch(stretch);
    if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
  }
  if (font.stretch() != QFont::Unstretched) widget.setFont(font);
}

int CaptionRoom(const QWidget& widget) {
  const QStyle* style = widget.style();
  if (qobject_cast<const QRadioButton*>(&widget))
    return widget.width() -
           style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &widget) -
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &widget);
  if (qobject_cast<const QGroupBox*>(&widget)) return widget.width() - kFrameTitleMargins;
  return widget.width();
}
