#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <thread>
#include <tuple>

#include "qt/history/HistoryStore.h"
#include "qt/history/MatchRecords.h"
#include "qt/history/Schema.h"

namespace {

KeptMatch AMatch(const std::string& team1, int runs) {
  return {.team1 = team1,
          .team2 = "Rooks",
          .overs = "1",
          .gameType = "Human V Human",
          .team1Runs = runs,
          .team1Wickets = 1,
          .team2Runs = 3,
          .team2Wickets = 0,
          .result = team1 + " are the winners",
          .finished = true,
          .script = "begin\ntick 5\n",
          .balls = {{.innings = 1, .over = 1, .ball = 1, .outcome = "4 Runs", .runs = 4},
                    {.innings = 1, .over = 1, .ball = 2, .outcome = "Caught Out", .wicket = true}}};
}

long long Count(HistoryStore& store, const QString& sql) {
  QSqlQuery query(sql, store.Database());
  return query.next() ? query.value(0).toLongLong() : -1;
}

struct Told {
  std::vector<std::string> messages;
  HistoryStore::Tell Tell() {
    return [this](const std::string& m) { messages.push_back(m); };
  }
};

}  // namespace

// A file that is not a database is moved aside unchanged, a new history is
// started beside it and kept in, and the player is told once.
TEST(HistoryStore, DamagedFileIsMovedAsideAndANewOneStarted) {
  QTemporaryDir folder;
  const QByteArray damage(4096, 'x');
  {
    QFile file(folder.filePath("matches.sqlite"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damage);
  }
  Told told;
  HistoryStore store(folder.path(), told.Tell());
  store.Keep(AMatch("Owls", 9));
  EXPECT_TRUE(store.On());
  EXPECT_EQ(Count(store, "SELECT count(*) FROM matches"), 1);
  const QStringList aside = QDir(folder.path()).entryList({"matches.sqlite.corrupt-*"});
  ASSERT_EQ(aside.size(), 1);
  QFile kept(folder.filePath(aside[0]));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), damage);
  ASSERT_EQ(told.messages.size(), 1u);
  EXPECT_NE(told.messages[0].find(aside[0].toStdString()), std::string::npos);
}

// A history that cannot be written (here its folder cannot even be made: a
// file stands in the way) keeps the match's script in the temporary folder
// and says where.
TEST(HistoryStore, UnwritableHistoryKeepsTheScriptElsewhere) {
  QTemporaryDir folder;
  QFile blocker(folder.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  Told told;
  HistoryStore store(folder.filePath("not-a-folder/gallowby"), told.Tell());
  store.Keep(AMatch("Owls", 9));
  EXPECT_FALSE(store.On());
  ASSERT_EQ(told.messages.size(), 1u);
  const std::string& message = told.messages[0];
  EXPECT_EQ(message.rfind("History is off", 0), 0u) << message;
  const auto at = message.find(QDir::tempPath().toStdString() + "/gallowby-match-");
  ASSERT_NE(at, std::string::npos) << message;
  const std::string path = message.substr(at, message.find(".replay", at) + 7 - at);
  QFile script(QString::fromStdString(path));
  ASSERT_TRUE(script.open(QIODevice::ReadOnly)) << path;
  EXPECT_EQ(script.readAll().toStdString(), AMatch("Owls", 9).script);
  script.remove();
}

// Two games writing one file at once both keep every match.
TEST(HistoryStore, TwoWritersAtOnceLoseNoMatch) {
  QTemporaryDir folder;
  constexpr int kEach = 40;
  auto writer = [&folder](const std::string& team) {
    HistoryStore store(folder.path(), [](const std::string&) {});
    for (int i = 0; i < kEach; ++i) store.Keep(AMatch(team, i));
  };
  std::thread one(writer, "Owls");
  std::thread two(writer, "Kites");
  one.join();
  two.join();
  HistoryStore store(folder.path(), [](const std::string&) {});
  EXPECT_EQ(Count(store, "SELECT count(*) FROM matches"), 2 * kEach);
  EXPECT_EQ(Count(store, "SELECT count(*) FROM balls"), 2 * 2 * kEach);
}

// A file of the first version (matches only) is brought up to date: its
// matches stay, and matches with their balls go in after them.
TEST(HistoryStore, OlderFileIsMigrated) {
  QTemporaryDir folder;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "version-1");
    db.setDatabaseName(folder.filePath("matches.sqlite"));
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec(
        "CREATE TABLE matches (id INTEGER PRIMARY KEY, started_at TEXT NOT NULL, team1 TEXT NOT "
        "NULL, team2 TEXT NOT NULL, overs TEXT NOT NULL, game_type TEXT NOT NULL, team1_runs "
        "INTEGER NOT NULL, team1_wickets INTEGER NOT NULL, team2_runs INTEGER NOT NULL, "
        "team2_wickets INTEGER NOT NULL, result TEXT NOT NULL, finished INTEGER NOT NULL, script "
        "TEXT NOT NULL)"));
    ASSERT_TRUE(
        q.exec("INSERT INTO matches VALUES (1, '2025-01-02T03:04:05Z', 'Old', 'Timers', '2', "
               "'Human V CPU', 10, 2, 11, 1, 'Timers are the winners', 1, 'begin')"));
    ASSERT_TRUE(q.exec("PRAGMA user_version = 1"));
    db.close();
  }
  QSqlDatabase::removeDatabase("version-1");
  Told told;
  HistoryStore store(folder.path(), told.Tell());
  store.Keep(AMatch("Owls", 9));
  EXPECT_TRUE(told.messages.empty());
  EXPECT_EQ(Count(store, "PRAGMA user_version"), history::CurrentVersion());
  EXPECT_EQ(Count(store, "SELECT count(*) FROM matches WHERE team1 = 'Old' AND network = 0"), 1);
  EXPECT_EQ(Count(store, "SELECT count(*) FROM balls WHERE match = 2"), 2);
}

// A kept innings opened from the Matches window is the scorecard it was: a
// wicket is no dot, a wide no ball of the over, and the wicket falls at the
// score it fell at.
TEST(HistoryStore, AKeptInningsReadsBackAsItsScorecard) {
  QTemporaryDir folder;
  Told told;
  HistoryStore store(folder.path(), told.Tell());
  KeptMatch match = AMatch("Owls", 5);
  match.balls.push_back({.innings = 1, .over = 1, .ball = 3, .outcome = "No Run"});
  match.balls.push_back(
      {.innings = 1, .over = 1, .ball = 4, .outcome = "Wide", .runs = 1, .wide = true});
  store.Keep(match);
  const scorecard::InningsRecord innings = records::Innings(store.Database(), 1, 1);
  EXPECT_EQ(std::tie(innings.runs, innings.wickets, innings.wides, innings.fours, innings.dots),
            std::make_tuple(5, 1, 1, 1, 1));
  EXPECT_EQ(innings.board.balls, 3);
  ASSERT_EQ(innings.overs.size(), 1U);
  EXPECT_EQ(innings.overs[0].symbols, (std::vector<std::string>{"4", "W", ".", "wd"}));
  ASSERT_EQ(innings.fall.size(), 1U);
  EXPECT_EQ(innings.fall[0].runs, 4);
}
