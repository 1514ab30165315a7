#pragma once
// The Matches window: every match kept, newest first, each team's record and
// the highest totals, in tables the player sorts by a click on a heading. For
// the selected match: its scorecard, Watch (played as --watch plays it) and
// Save as... (its script to a file); Open... watches a script file.

#include <QSqlDatabase>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "core/model/InningsRecord.h"

class QPushButton;
class QTableView;
class QAbstractItemModel;
class RecordTable;
class ScorecardWindow;
namespace records {
class MatchList;
}

class MatchesWindow : public QWidget {
 public:
  // Plays a script; `from` names it in a message if it cannot be read.
  using Watch = std::function<void(const std::string& script, const QString& from)>;

  MatchesWindow(QSqlDatabase db, Watch watch, QWidget* parent = nullptr);
  ~MatchesWindow() override;

  QTableView* Matches() const { return matches_; }
  QTableView* Teams() const { return teams_; }
  QTableView* Highest() const { return highest_; }
  ScorecardWindow* Scorecard() const { return scorecard_; }

  // The match selected in the list; 0 when none.
  qint64 Selected() const;
  void ShowScorecard();
  void WatchSelected();
  bool SaveSelected(const QString& file);
  void WatchFile(const QString& file);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTableView* NewTable(QAbstractItemModel* model);
  QTableView* NewSortedTable(RecordTable* table);
  QWidget* NewButtons();
  void AskSaveAs();
  void AskOpen();
  void MessageBox(const QString& text);

  QSqlDatabase db_;
  Watch watch_;
  std::unique_ptr<records::MatchList> matchList_;
  std::unique_ptr<RecordTable> teamTable_, highestTotals_;
  QTableView* matches_;
  QTableView* teams_;
  QTableView* highest_;
  ScorecardWindow* scorecard_ = nullptr;
  scorecard::InningsRecord first_, second_;  // what the scorecard shows
  QPushButton* selectedOnly_[3] = {};
};
