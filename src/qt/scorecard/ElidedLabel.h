#pragma once
// A one-line label that shortens its text with an ellipsis to the width it is
// given, instead of asking for more: a long team name never pushes the score
// off the window.

#include <QLabel>

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  void SetFullText(const QString& text);
  QString FullText() const { return full_; }

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Elide();

  QString full_;
};
