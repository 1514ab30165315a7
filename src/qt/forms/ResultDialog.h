#pragma once
// Form1: the result of a finished match, one line, and "Continue" back to a
// fresh options panel. It is shown without a modal wait.

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

 private:
  QLabel* label_;
  QPushButton* continue_;
};
