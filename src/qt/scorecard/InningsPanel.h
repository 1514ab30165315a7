#pragma once
// One innings in figures: the side's name, runs/wickets and overs, the wides,
// fours and dots, the fall of wickets and a line per over.

#include <QFrame>

#include "core/model/InningsRecord.h"

class ElidedLabel;
class QLabel;
class QListWidget;

class InningsPanel : public QFrame {
  Q_OBJECT

 public:
  explicit InningsPanel(QWidget* parent = nullptr);

  // record may be null: the side has not batted.
  void SetInnings(const scorecard::InningsRecord* record, const QString& team);

  ElidedLabel* Team() const { return team_; }
  QLabel* Score() const { return score_; }  // "23/2"
  QLabel* Overs() const { return overs_; }  // "(3.4 ov)"
  QLabel* Tallies() const { return tallies_; }
  QLabel* Fall() const { return fall_; }
  QListWidget* OverList() const { return overList_; }

 private:
  void ShowFigures(const scorecard::InningsRecord& record);

  ElidedLabel* team_;
  QLabel* score_;
  QLabel* overs_;
  QLabel* tallies_;
  QLabel* fall_;
  QListWidget* overList_;
};
