// The match history's costs: saving a match as the game does when it closes
// (target under 20 ms), and opening the Matches window over a history of many
// matches (target under 200 ms with 10,000). Also makes such a history, for the
// window's picture or a player's own look:
//   gallowby-history-bench [--matches N] [--keep DIR] [--quick]

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "qt/history/HistoryStore.h"
#include "qt/history/MatchList.h"
#include "qt/history/MatchesWindow.h"

namespace {

const char* const kTeams[] = {"Owls",    "Rooks",  "Larks",       "Kites",   "Wrens",   "Herons",
                              "Falcons", "Swifts", "Kingfishers", "Plovers", "Curlews", "Ravens"};

// A match of `overs` overs an innings, its balls and a script of a played match's size.
KeptMatch MakeMatch(std::mt19937& random) {
  std::uniform_int_distribution<int> team(0, std::size(kTeams) - 1), runs(0, 4), pick(0, 99);
  const int overs = 2 + pick(random) % 9;
  KeptMatch match;
  match.overs = std::to_string(overs);
  match.gameType = "Human V CPU";
  match.team1 = kTeams[team(random)];
  do match.team2 = kTeams[team(random)];
  while (match.team2 == match.team1);
  match.script = "select Option1\nselect Option3\ntext Text3 " + match.overs + "\nbegin\n";
  for (int innings = 1; innings <= 2; ++innings) {
    int& total = innings == 1 ? match.team1Runs : match.team2Runs;
    int& wickets = innings == 1 ? match.team1Wickets : match.team2Wickets;
    for (int over = 1; over <= overs; ++over)
      for (int ball = 1; ball <= 6; ++ball) {
        KeptBall kept;
        kept.innings = innings;
        kept.over = over;
        kept.ball = ball;
        kept.runs = runs(random);
        kept.wicket = kept.runs == 0 && pick(random) < 15;
        kept.outcome = kept.wicket ? "Bowled" : std::to_string(kept.runs) + " Runs";
        total += kept.runs;
        wickets += kept.wicket ? 1 : 0;
        match.balls.push_back(kept);
        match.script += "tick 40\ndown 101 0\ntick 2\nup 101 0\ntick 95\n";
      }
  }
  match.result = match.team1Runs == match.team2Runs  ? "The match is a tie"
                 : match.team1Runs > match.team2Runs ? match.team1 + " are the winners"
                                                     : match.team2 + " are the winners";
  match.finished = pick(random) < 95;
  if (!match.finished) match.result.clear();
  return match;
}

// Fills the history quickly (no waiting for the disk), then spreads the matches
// over the past, three hours apart, newest last.
void Fill(HistoryStore& store, int count) {
  std::mt19937 random(24);
  QSqlQuery(store.Database()).exec("PRAGMA synchronous = OFF");
  for (int i = 0; i < count; ++i) store.Keep(MakeMatch(random));
  QSqlQuery(store.Database())
      .exec(QString("UPDATE matches SET started_at = strftime('%Y-%m-%dT%H:%M:%SZ', 'now', "
                    "'-' || (((SELECT max(id) FROM matches) - id) * 3) || ' hours')"));
  QSqlQuery(store.Database()).exec("PRAGMA synchronous = NORMAL");
  // The fill's log goes into the file now, not into the first save timed.
  QSqlQuery(store.Database()).exec("PRAGMA wal_checkpoint(TRUNCATE)");
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void Report(const char* what, const std::vector<double>& ms, double target) {
  std::printf("%-40s median %7.2f ms  max %7.2f ms  (target < %.0f ms, %zu runs)\n", what,
              Median(ms), *std::max_element(ms.begin(), ms.end()), target, ms.size());
}

void TimeSaves(HistoryStore& store, int runs) {
  std::mt19937 random(7);
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const KeptMatch match = MakeMatch(random);
    QElapsedTimer clock;
    clock.start();
    store.MatchBegan();
    store.Keep(match);
    ms.push_back(clock.nsecsElapsed() / 1e6);
  }
  Report("save one match", ms, 20);
}

void TimeWindow(HistoryStore& store, int runs) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer clock;
    clock.start();
    MatchesWindow window(store.Database(), {});
    window.show();
    QApplication::processEvents();
    ms.push_back(clock.nsecsElapsed() / 1e6);
  }
  Report("open the Matches window, shown", ms, 200);
}

// A click on a heading reads the list's first page again in that order; the
// result's words have no index of their own, the worst case.
void TimeSort(HistoryStore& store, int runs) {
  MatchesWindow window(store.Database(), {});
  window.show();
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer clock;
    clock.start();
    window.Matches()->sortByColumn(records::kResult,
                                   i % 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
    QApplication::processEvents();
    ms.push_back(clock.nsecsElapsed() / 1e6);
  }
  Report("sort the list by its Result heading", ms, 200);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  const bool quick = args.contains("--quick");
  const int at = static_cast<int>(args.indexOf("--matches"));
  const int count = at > 0 && at + 1 < args.size() ? args[at + 1].toInt() : quick ? 200 : 10000;
  const int keep = static_cast<int>(args.indexOf("--keep"));
  QTemporaryDir temporary;
  const QString folder = keep > 0 && keep + 1 < args.size() ? args[keep + 1] : temporary.path();
  HistoryStore store(folder, [](const std::string& m) { std::fprintf(stderr, "%s\n", m.c_str()); });
  QElapsedTimer clock;
  clock.start();
  Fill(store, count);
  std::printf("made %d matches in %s in %.1f s\n", count, qPrintable(store.File()),
              clock.elapsed() / 1e3);
  TimeWindow(store, quick ? 1 : 7);
  TimeSort(store, quick ? 1 : 7);
  TimeSaves(store, quick ? 3 : 50);
  return 0;
}
