#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTableView>
#include <QTemporaryDir>
#include <map>

#include "qt/history/HistoryStore.h"
#include "qt/history/MatchList.h"
#include "qt/history/MatchesWindow.h"

namespace {

KeptMatch AMatch(const std::string& team1, int runs1, const std::string& team2, int runs2,
                 int ticks) {
  return {.team1 = team1,
          .team2 = team2,
          .overs = "2",
          .gameType = "Human V CPU",
          .team1Runs = runs1,
          .team1Wickets = 1,
          .team2Runs = runs2,
          .team2Wickets = 2,
          .result = "a result",
          .finished = true,
          .script = "begin\ntick " + std::to_string(ticks) + "\n",
          .balls = {{.innings = 1, .over = 1, .ball = 1, .outcome = "4 Runs", .runs = 4}}};
}

QString Cell(const QTableView* view, int row, int column) {
  return view->model()->index(row, column).data().toString();
}

struct Records : testing::Test {
  QTemporaryDir folder;
  HistoryStore store{folder.path(), [](const std::string&) {}};
  std::vector<std::string> watched;

  void SetUp() override {
    store.Keep(AMatch("Owls", 30, "Rooks", 20, 1));
    store.Keep(AMatch("Rooks", 41, "Owls", 12, 2));
    store.Keep(AMatch("Owls", 25, "Larks", 25, 3));
    KeptMatch abandoned = AMatch("Larks", 5, "Owls", 0, 4);
    abandoned.finished = false;
    store.Keep(abandoned);
  }
  MatchesWindow::Watch Recorder() {
    return [this](const std::string& script, const QString&) { watched.push_back(script); };
  }
};

}  // namespace

TEST_F(Records, ListsEveryMatchNewestFirstAndMarksTheAbandoned) {
  MatchesWindow window(store.Database(), {});
  const QTableView* list = window.Matches();
  ASSERT_EQ(list->model()->rowCount(), 4);
  EXPECT_EQ(Cell(list, 0, 2), "Larks");
  EXPECT_EQ(Cell(list, 0, 8), "abandoned");
  EXPECT_EQ(Cell(list, 3, 2), "Owls");
  EXPECT_EQ(Cell(list, 3, 4), "30/1  20/2");
  EXPECT_EQ(Cell(list, 3, 8), "finished");
}

// Read a page at a time, in the order asked for, each match once.
TEST_F(Records, ListIsReadAPageAtATimeInItsOrder) {
  records::MatchList list(store.Database(), 3);
  const auto column = [&](int c) {
    QStringList cells;
    for (int row = 0; row < list.rowCount(); ++row) cells << list.index(row, c).data().toString();
    return cells.join(' ');
  };
  EXPECT_EQ(column(records::kId), "4 3 2");
  ASSERT_TRUE(list.canFetchMore({}));
  list.fetchMore({});
  EXPECT_EQ(column(records::kId), "4 3 2 1");
  EXPECT_FALSE(list.canFetchMore({}));
  list.sort(records::kTeam1, Qt::AscendingOrder);
  EXPECT_EQ(column(records::kTeam1), "Larks Owls Owls");
  list.fetchMore({});
  EXPECT_EQ(column(records::kTeam1), "Larks Owls Owls Rooks");
  EXPECT_FALSE(list.canFetchMore({}));
}

// Ctrl+End reaches the oldest match, past the rows read so far.
TEST_F(Records, CtrlEndReachesTheOldestMatch) {
  for (int i = 0; i < records::MatchList::kPage; ++i) store.Keep(AMatch("Kites", 1, "Wrens", 2, i));
  MatchesWindow window(store.Database(), {});
  QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
  QCoreApplication::sendEvent(window.Matches(), &end);
  EXPECT_EQ(Cell(window.Matches(), window.Matches()->currentIndex().row(), records::kId), "1");
}

// Only finished matches count; a tie is drawn for both sides.
TEST_F(Records, TeamTableCountsFinishedMatches) {
  MatchesWindow window(store.Database(), {});
  const QTableView* teams = window.Teams();
  std::map<QString, QString> line;
  for (int row = 0; row < teams->model()->rowCount(); ++row)
    line[Cell(teams, row, 0)] =
        QStringList{Cell(teams, row, 1), Cell(teams, row, 2), Cell(teams, row, 3),
                    Cell(teams, row, 4), Cell(teams, row, 5), Cell(teams, row, 6)}
            .join(' ');
  EXPECT_EQ(line["Owls"], "3 1 1 1 30 12");
  EXPECT_EQ(line["Rooks"], "2 1 1 0 41 20");
  EXPECT_EQ(line["Larks"], "1 0 0 1 25 25");
  EXPECT_EQ(Cell(window.Highest(), 0, 0), "41");
}

// Sorted by a heading, the list's selection still names its own match.
TEST_F(Records, WatchAndSaveAsActOnTheSelectedMatch) {
  MatchesWindow window(store.Database(), Recorder());
  window.Matches()->sortByColumn(2, Qt::AscendingOrder);  // Team 1: Larks, Owls, Owls, Rooks
  window.Matches()->selectRow(3);
  window.WatchSelected();
  EXPECT_EQ(watched, std::vector<std::string>{"begin\ntick 2\n"});
  const QString file = folder.filePath("kept.txt");
  ASSERT_TRUE(window.SaveSelected(file));
  QFile saved(file);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), "begin\ntick 2\n");
}
