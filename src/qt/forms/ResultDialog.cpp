#include "qt/forms/ResultDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kWidth = 372, kHeight = 251;
constexpr QRect kLabelBox(48, 48, 265, 49);
constexpr QRect kContinueBox(128, 152, 97, 41);
constexpr double kLinePointSize = 12;
}  // namespace

ResultDialog::ResultDialog(QWidget* parent)
    : QWidget(parent, Qt::Window),
      label_(new QLabel(this)),
      continue_(new QPushButton(QStringLiteral("Continue"), this)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kWidth, kHeight);

  label_->setObjectName(QStringLiteral("Label1"));
  label_->setGeometry(kLabelBox);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label_->setWordWrap(true);
  QFont lineFont = font();
  lineFont.setStyleHint(QFont::SansSerif);
  lineFont.setPointSizeF(kLinePointSize);
  label_->setFont(lineFont);

  continue_->setObjectName(QStringLiteral("Command1"));
  continue_->setGeometry(kContinueBox);
  continue_->setDefault(true);
  continue_->setFocus(Qt::OtherFocusReason);
  continue_->installEventFilter(this);
  connect(continue_, &QPushButton::clicked, this, &ResultDialog::continueClicked);
}

void ResultDialog::showEvent(QShowEvent* event) {
  keysPressedHere_.clear();
  QWidget::showEvent(event);
}

// Only keys pressed after the dialog appeared reach Continue; the repeats and
// the release of a key held from before are swallowed.
bool ResultDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->isAutoRepeat()) keysPressedHere_.insert(key->key());
    return !keysPressedHere_.contains(key->key());
  }
  if (event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) return !keysPressedHere_.contains(key->key());
    return !keysPressedHere_.remove(key->key());
  }
  return QWidget::eventFilter(watched, event);
}

void ResultDialog::SetLine(const QString& line) {
  label_->setText(line);
}
