// The match journal keeps each match as a replay script: played again through
// the driver, it gives back the same match, tick for tick.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "ReplayHarness.h"
#include "core/journal/KeptScript.h"

namespace {

// What a match is: its events, every tick's drawing (the board included), its
// sounds, its scorecards and the result dialog. Only the last match's, from
// the last display opened; a tick's drawing without the driver's count of
// ticks, which runs on across matches.
std::vector<std::string> MatchLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("{\"display\": [\"OpenDisplay\"")) lines.clear();
    for (const char* kind : {"{\"event\"", "{\"tick\"", "{\"sound\"", "{\"scorecard\"",
                             "{\"form\": \"Form1\", \"do\": \"show\""})
      if (line.starts_with(kind))
        lines.push_back(kind[2] == 't' ? line.substr(line.find("\"draws\"")) : line);
  }
  return lines;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

struct RoundTrip {
  const char* name;
  std::string script;
};

std::string Golden(const char* name) {
  return ReadFile(std::string(GALLOWBY_GOLDEN_DIR) + "/" + name + ".replay");
}

// Escape in the middle of a run-up: the match closes with no result.
const std::string kEscapedInTheRunUp =
    "begin\ntick 3\npress 97\npress 101\ntick 20\ndown 37\ntick 2\npress 27\n";

// Every input the journal keeps: keys, Tab's slow motion, the panel changed
// between two ticks and by a key, a lost surface, the window closed, with
// "Normal" bowling reseeding the generator from the time of day each tick; in
// a second match, whose generator carries over from the first.
const std::string kEverything = Golden("human_v_cpu") + R"(continue
select Option2
select OptionBOWLn
text Text3 1
begin
down 9
tick 40
up 9
text Text1 Owls
tick 2
press 97
press 101
down 37
tick 20
select OptionBATh
up 37
lost 0
tick 30
press 101
tick 100
close
tick 5
)";

}  // namespace

TEST(MatchJournal, PlaysTheSameMatchAgain) {
  const RoundTrip cases[] = {
      {"a one-over match to its result", Golden("hvh_one_over")},
      {"abandoned by Escape", kEscapedInTheRunUp},
      {"the panel changed in mid-match",
       "text Text4 2.5\nbegin\ntext Text3 zero\ntext Text1\npress 101\ntick 121\npress 27\n"},
      {"every kind of input, in a second match", kEverything},
  };
  QTemporaryDir folder;
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string journal = folder.filePath("match.replay").toStdString();
    const ReplayResult played = RunReplay("journal " + journal + "\n" + c.script);
    const std::string script = ReadFile(journal);
    EXPECT_EQ(ReadKeptScript(script).problem, std::nullopt);  // as watching reads it
    const ReplayResult again = RunReplay(script);
    EXPECT_EQ(again.status, 0);
    const auto lines = MatchLines(played.text);
    EXPECT_GT(lines.size(), 10u);
    EXPECT_EQ(MatchLines(again.text), lines) << script;
    std::remove(journal.c_str());
  }
}

namespace {

// The last match a history holds: its columns but its id and start, its
// script, and its balls as innings, over and ball in the over.
struct KeptBallAt {
  int innings, over, ball;
};
struct KeptRow {
  QVariantMap columns;
  std::string script;
  std::vector<KeptBallAt> balls;
};

KeptRow LastKept(const QTemporaryDir& folder) {
  KeptRow kept;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "last-kept");
    db.setDatabaseName(folder.filePath("matches.sqlite"));
    QSqlQuery query(db);
    if (db.open() && query.exec("SELECT * FROM matches ORDER BY id DESC LIMIT 1") && query.next())
      for (int i = 0; i < query.record().count(); ++i)
        kept.columns[query.record().fieldName(i)] = query.value(i);
    if (query.exec("SELECT innings, over, ball FROM balls WHERE match = (SELECT max(id) FROM "
                   "matches) ORDER BY innings, over, ball"))
      while (query.next())
        kept.balls.push_back(
            {query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt()});
  }
  QSqlDatabase::removeDatabase("last-kept");
  kept.script = kept.columns.take("script").toString().toStdString();
  kept.columns.remove("id");
  kept.columns.remove("started_at");
  return kept;
}

int KeptBallsOf(const KeptRow& kept, int innings) {
  return static_cast<int>(
      std::count_if(kept.balls.begin(), kept.balls.end(),
                    [innings](const KeptBallAt& b) { return b.innings == innings; }));
}

// The balls an innings' scorecard shows, over by over.
int BallsShown(const QJsonObject& card) {
  int balls = 0;
  for (const QJsonValue& over : card["overs_detail"].toArray()) balls += over.toArray().size();
  return balls;
}

}  // namespace

// A match kept in the history, finished or abandoned by Escape: its row is
// the board (both scores as the scorecard has them, the result dialog's line),
// its balls are those each innings' scorecard shows (each over's counted from
// 1), and its stored script, played again, keeps the same row.
TEST(MatchJournal, KeptRowIsTheBoardAndItsScriptKeepsItAgain) {
  const struct {
    const char* name;
    std::string script;
    int finished;
  } cases[] = {{"hvh_one_over", Golden("hvh_one_over"), 1},
               {"abandoned by Escape", kEscapedInTheRunUp, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir first, again;
    const ReplayResult played =
        RunReplay("history " + first.path().toStdString() + "\n" + c.script);
    const KeptRow kept = LastKept(first);
    ASSERT_TRUE(kept.columns.contains("team1_runs"));
    EXPECT_EQ(kept.columns["finished"].toInt(), c.finished);
    QString result;
    for (const QJsonObject& line : played.lines) {
      if (line["form"] == "Form1" && line["do"] == "show") result = line["caption"].toString();
      const QJsonObject card = line["scorecard"].toObject();
      const QString side = QString("team%1_").arg(card["innings"].toInt());
      if (card.isEmpty()) continue;
      EXPECT_EQ(kept.columns[side + "runs"].toInt(), card["runs"].toInt()) << side.toStdString();
      EXPECT_EQ(kept.columns[side + "wickets"].toInt(), card["wickets"].toInt());
      EXPECT_EQ(KeptBallsOf(kept, card["innings"].toInt()), BallsShown(card)) << side.toStdString();
    }
    for (std::size_t i = 0; i < kept.balls.size(); ++i) {
      const KeptBallAt& b = kept.balls[i];
      const KeptBallAt* before = i > 0 ? &kept.balls[i - 1] : nullptr;
      const bool sameOver = before && before->innings == b.innings && before->over == b.over;
      EXPECT_EQ(b.ball, sameOver ? before->ball + 1 : 1) << "each over's balls counted from 1";
    }
    EXPECT_EQ(kept.columns["result"].toString(), result);
    RunReplay("history " + again.path().toStdString() + "\n" + kept.script);
    EXPECT_EQ(LastKept(again).columns, kept.columns);
  }
}

// Abandoned after a finished match, a match is kept as not finished, with no
// result: nothing of the match before carries over into its row.
TEST(MatchJournal, AnAbandonedMatchAfterAFinishedOneIsKeptNotFinished) {
  QTemporaryDir folder;
  RunReplay("history " + folder.path().toStdString() + "\n" + Golden("hvh_one_over") +
            "continue\n" + kEscapedInTheRunUp);
  const KeptRow kept = LastKept(folder);
  ASSERT_TRUE(kept.columns.contains("finished"));
  EXPECT_EQ(kept.columns["finished"].toInt(), 0);
  EXPECT_EQ(kept.columns["result"].toString(), "");
}
