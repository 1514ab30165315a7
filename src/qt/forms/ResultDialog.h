#pragma once
// Form1: the result of a finished match, one line, and "Continue" back to a
// fresh options panel. It is shown without a modal wait. A key that was already
// held down when the dialog appeared (Space still pressed from the last ball,
// repeating) does nothing: Continue takes a fresh press, or a click.

#include <QSet>
#include <QWidget>

class QLabel;
class QPushButton;

class ResultDialog : public QWidget {
  Q_OBJECT

 public:
  explicit ResultDialog(QWidget* parent = nullptr);

  void SetLine(const QString& line);
  QLabel* Line() const { return label_; }
  QPushButton* Continue() const { return continue_; }

 signals:
  void continueClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QSet<int> keysPressedHere_;  // pressed since the dialog was shown, not yet released
  QLabel* label_;
  QPushButton* continue_;
};
