#pragma once
// The scorecard: both innings in figures, ball by ball, with the Manhattan and
// the worm below, and a Copy button that puts the card on the clipboard as text.
// At the innings break it shows the first innings alone; at the end, both.

#include <QString>
#include <QWidget>

class InningsPanel;
class ManhattanChart;
class QPushButton;
class WormChart;

namespace scorecard {
class BallByBall;
struct InningsRecord;
}  // namespace scorecard

class ScorecardWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 760, kHeight = 680;
  // The least it is made to fit beside the game window, still laid out whole.
  static constexpr int kLeastWidth = 600, kLeastHeight = 480;

  explicit ScorecardWindow(QWidget* parent = nullptr);

  // The record to read (it must outlive the window, or be replaced) and the
  // sides' names as the boxes hold them. Refreshes the window.
  void SetRecord(const scorecard::BallByBall& record, const QString& team1, const QString& team2);
  void SetRecord(const scorecard::InningsRecord& first, const scorecard::InningsRecord& second,
                 const QString& team1, const QString& team2);

  // Show the window with the first innings alone (the innings break) or both (match end).
  void ShowFirstInnings();
  void ShowBothInnings();

  // Read the record again: the figures, the charts and the text.
  void Refresh();

  // The card as plain text, as Copy puts it on the clipboard.
  QString Text() const;
  int InningsShown() const { return inningsShown_; }

  InningsPanel* Panel(int innings) const { return innings == 2 ? second_ : first_; }
  ManhattanChart* Manhattan() const { return manhattan_; }
  WormChart* Worm() const { return worm_; }
  QPushButton* Copy() const { return copy_; }
  QPushButton* Close() const { return close_; }

 private:
  void ShowInnings(int count);
  void CopyText();
  void SetTabOrder();

  const scorecard::InningsRecord* firstRecord_ = nullptr;
  const scorecard::InningsRecord* secondRecord_ = nullptr;
  QString team1_, team2_;
  int inningsShown_ = 2;
  InningsPanel* first_;
  InningsPanel* second_;
  ManhattanChart* manhattan_;
  WormChart* worm_;
  QPushButton* copy_;
  QPushButton* close_;
};
