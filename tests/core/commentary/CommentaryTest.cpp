#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "GameEvents.h"
#include "core/commentary/Commentary.h"

namespace {

using namespace game_events;

const GameEvent kStumps = Event(EventKind::StumpsHit);
const GameEvent kBatHit = Event(EventKind::BatHit);
const GameEvent kPads = Event(EventKind::Pads);

// One ball from its release to its end; returns the last-ball line.
std::string PlayBall(Commentary& commentary, std::initializer_list<GameEvent> events) {
  commentary.OnEvent(Event(EventKind::BallReleased));
  for (const GameEvent& event : events) commentary.OnEvent(event);
  return commentary.Lines()[1];
}

// The runs and blocks are in the golden traces; here the rest.
TEST(CommentaryLastBall, SaysEveryKindOfBallAndWhy) {
  struct Case {
    std::initializer_list<GameEvent> events;
    std::string line;
  };
  const Case cases[] = {
      {{Scored("")}, "Dot ball \u2014 left alone"},
      {{Event(EventKind::Wide), Scored("Wide")},
       "Wide \u2014 a run to the batsmen, and the ball is bowled again"},
      {{kStumps, Scored("Your OUT!!!")}, "Bowled! \u2014 left alone"},
      {{Shot(1, 1, 4, ""), kStumps, Scored("Your OUT!!!")},
       "Bowled! \u2014 Drive, timing and line 1 against danger 4: no contact"},
      {{Shot(1, 2, 3, "Caught Out"), kBatHit, Scored("Caught Out")},
       "Caught! \u2014 Drive, timing and line 2 against danger 3: edged up for a catch"},
      {{kPads, Scored("")}, "Stopped by the pads"},
      {{kPads, OutOfWindow(false), Scored("")},
       "Stopped by the pads \u2014 Too late: the ball had gone past"},
      {{Shot(4, 0, 5, ""), Scored("")},
       "Played and missed \u2014 Square cut, timing and line 0 against danger 5: no contact"},
      {{OutOfWindow(true), Scored("")}, "Dot ball \u2014 Too early: the ball was not there yet"},
      {{OutOfWindow(true), kStumps, Scored("Your OUT!!!")},
       "Bowled! \u2014 Too early: the ball was not there yet"},
      // an early press, then the shot in the window: the shot is what counted
      {{OutOfWindow(true), Shot(1, 9, 2, "4 Runs"), kBatHit, Scored("4 Runs")},
       "FOUR! \u2014 Drive, timing and line 9 against danger 2: clean hit"},
  };
  for (const Case& c : cases) {
    Commentary commentary;
    EXPECT_EQ(PlayBall(commentary, c.events), c.line);
  }
}

TEST(CommentaryLastBall, ShownFromTheBallsEndUntilTheNextRelease) {
  Commentary commentary;
  commentary.OnEvent(Event(EventKind::RunUpStarted));
  commentary.OnEvent(Event(EventKind::BallReleased));
  commentary.OnEvent(Shot(1, 9, 2, "4 Runs"));
  commentary.OnEvent(Event(EventKind::BatHit));
  EXPECT_EQ(commentary.Lines()[1], "") << "said before the ball has ended";
  commentary.OnEvent(Scored("4 Runs"));
  commentary.OnEvent(Event(EventKind::RunUpStarted));
  EXPECT_EQ(commentary.Lines()[1].substr(0, 5), "FOUR!") << "kept through the next run-up";
  commentary.OnEvent(Event(EventKind::BallReleased));
  EXPECT_EQ(commentary.Lines()[1], "");
}

TEST(CommentaryLastBall, ForgetsTheLastBallsShotAtTheNextRelease) {
  Commentary commentary;
  PlayBall(commentary, {Shot(1, 9, 2, "4 Runs"), kBatHit, Scored("4 Runs")});
  EXPECT_EQ(PlayBall(commentary, {Scored("")}), "Dot ball \u2014 left alone");
  PlayBall(commentary, {kPads, Scored("")});
  EXPECT_EQ(PlayBall(commentary, {Scored("")}), "Dot ball \u2014 left alone");
}

PlaySituation Situation(bool againstComputer, bool firstInnings) {
  PlaySituation s;
  s.sides = SidesOf(againstComputer ? GameType::HumanVCpu : GameType::HumanVHuman, firstInnings);
  s.firstInnings = firstInnings;
  s.team1 = "Lions";
  s.team2 = "Tigers";
  return s;
}

enum class Phase { Waiting, RunUp, InFlight, Break, Paused };

PlaySituation In(PlaySituation s, Phase phase) {
  s.runUpStarted = phase == Phase::RunUp;
  s.ballInFlight = phase == Phase::InFlight;
  s.inningsBreak = phase == Phase::Break;
  s.paused = phase == Phase::Paused;
  return s;
}

// What the golden traces' matches never meet: a sweeping cursor, the pause,
// the second innings between two humans.
TEST(CommentaryWhatNow, TellsTheSideThatMustActItsKeys) {
  const PlaySituation cpuFirst = Situation(true, true), cpuSecond = Situation(true, false);
  const PlaySituation hvhSecond = Situation(false, false);
  PlaySituation sweeping = cpuSecond;
  sweeping.cursorSweeps = true;
  struct Case {
    PlaySituation situation;
    Phase phase;
    std::string line;
  };
  const Case cases[] = {
      {sweeping, Phase::RunUp, "Run-up: the cursor sweeps itself, 5 fixes the spot"},
      {hvhSecond, Phase::InFlight,
       "Batsman: Z/X to move; as the ball arrives N drive, M glance, K hook, H cut, J/Space block"},
      {cpuFirst, Phase::Paused, "Game Delay is 0: paused until Tab is pressed"},
      {hvhSecond, Phase::Paused, "Game Delay is 0: paused until Tab is pressed"},
  };
  for (const Case& c : cases) {
    Commentary commentary;
    EXPECT_EQ(commentary.Update(In(c.situation, c.phase))[0], c.line)
        << "batting " << static_cast<int>(c.situation.sides.batting) << ", bowling "
        << static_cast<int>(c.situation.sides.bowling) << ", first innings "
        << c.situation.firstInnings << ", phase " << static_cast<int>(c.phase);
  }
}

PlaySituation Score(PlaySituation s, int runs1, int wickets1, int runs2, int wickets2) {
  s.team1Runs = runs1, s.team1Wickets = wickets1;
  s.team2Runs = runs2, s.team2Wickets = wickets2;
  return s;
}

PlaySituation Overs(PlaySituation s, int overs, int balls, std::optional<int> perInnings) {
  s.oversBowled = overs, s.ballsInOver = balls;
  s.oversPerInnings = perInnings;
  return s;
}

// The commentary of a match under way: its first ball has been bowled.
Commentary UnderWay() {
  Commentary commentary;
  commentary.OnEvent(Event(EventKind::BallReleased));
  return commentary;
}

TEST(CommentaryMatchLine, RunRateTargetAndChase) {
  const PlaySituation first = Situation(true, true), second = Situation(true, false);
  struct Case {
    PlaySituation situation;
    std::string line;
  };
  const Case cases[] = {
      {Overs(Score(first, 2, 0, 0, 0), 0, 0, std::nullopt), "Lions 2/0 after 0.0 overs"},  // wides
      {Overs(Score(first, 23, 2, 0, 0), 3, 4, 5), "Lions 23/2 after 3.4 of 5 overs, run rate 6.3"},
      {Overs(Score(first, 1, 0, 0, 0), 0, 4, std::nullopt),
       "Lions 1/0 after 0.4 overs, run rate 1.5"},
      {Overs(Score(first, 7, 1, 0, 0), 1, 0, 0), "Lions 7/1 after 1.0 overs, run rate 7.0"},
      {Overs(Score(first, 3, 0, 0, 0), 0, 3, 1), "Lions 3/0 after 0.3 of 1 over, run rate 6.0"},
      {Overs(Score(second, 23, 2, 12, 3), 4, 1, 2), "Tigers need 12"},  // box cut below the overs
      {Overs(Score(second, 23, 2, 12, 3), 0, 0, 0),
       "Tigers need 12"},  // no overs: no balls to count
      {Overs(Score(second, 23, 2, 23, 3), 4, 1, 5),
       "Scores level on 23: Tigers need 1 from 5 balls"},
      {Overs(Score(second, 23, 2, 23, 3), 4, 1, std::nullopt), "Scores level on 23: Tigers need 1"},
      {Overs(Score(second, 0, 10, 0, 0), 0, 0, 1), "Tigers need 1 from 6 balls"},  // not "level"
      {Overs(Score(second, 23, 2, 24, 3), 4, 1, 5),
       "Tigers have won: the rest of the innings is played out"},
  };
  for (const Case& c : cases) {
    Commentary commentary = UnderWay();
    EXPECT_EQ(commentary.Update(c.situation)[2], c.line);
  }
}

TEST(CommentaryMatchLine, TheResultOnceTheMatchHasEnded) {
  const PlaySituation second = Situation(false, false);
  struct Case {
    PlaySituation situation;
    std::string line;
  };
  const Case cases[] = {
      {Score(second, 23, 2, 24, 3), "Result: Tigers are the winners, 24/3 against 23/2"},
      {Score(second, 23, 2, 9, 10), "Result: Lions are the winners, 23/2 against 9/10"},
      {Score(second, 23, 2, 23, 7), "Result: a draw, both sides on 23"},
  };
  for (const Case& c : cases) {
    Commentary commentary = UnderWay();
    commentary.Update(c.situation);
    commentary.OnEvent(Event(EventKind::MatchEnded));
    EXPECT_EQ(commentary.Lines()[0], "Match over");
    EXPECT_EQ(commentary.Lines()[2], c.line);
  }
}

TEST(CommentaryMatchLine, ResetForgetsTheMatchBefore) {
  Commentary commentary;
  commentary.Update(Score(Situation(false, false), 23, 2, 24, 3));
  PlayBall(commentary, {Scored("4 Runs")});
  commentary.OnEvent(Event(EventKind::MatchEnded));
  commentary.Reset();
  const CommentaryLines& lines = commentary.Update(Situation(false, true));
  EXPECT_EQ(lines[0], "Bowler: pace 1, 2 or 3, then 5 to run in");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "No over limit: each innings ends at ten wickets");  // said anew
}

// However long the names, and whatever their script, the numbers stay on the line.
TEST(CommentaryNames, LongAndNonLatinNamesKeepTheNumbers) {
  const std::string longName(200, 'W');
  const std::string cyrillic = "Сборная Санкт-Петербурга по крикету";         // 35 characters
  const std::string japanese = "東京ヤクルトスワローズ打撃陣とその仲間たち";  // 21 characters
  for (const std::string& name : {longName, cyrillic, japanese}) {
    PlaySituation s = Overs(Score(Situation(true, false), 23, 2, 12, 3), 4, 1, 5);
    s.team1 = s.team2 = name;
    Commentary commentary = UnderWay();
    const std::string chase = commentary.Update(s)[2];
    EXPECT_NE(chase.find("need 12 from 5 balls"), std::string::npos) << chase;
    EXPECT_LT(chase.size(), 100u) << chase;  // 18 characters of at most 4 bytes, and the words
    EXPECT_NE(chase.find("\u2026"), std::string::npos) << "a cut name ends in an ellipsis";
    const std::string target = commentary.Update(In(s, Phase::Break))[2];
    EXPECT_NE(target.find("made 23/2"), std::string::npos) << target;
    EXPECT_NE(target.find("need 24 to win"), std::string::npos) << target;
  }
}

TEST(CommentaryNames, EmptyBoxesStillNameTheSides) {
  PlaySituation s = Score(In(Situation(true, false), Phase::Break), 23, 2, 0, 0);
  s.team1 = s.team2 = "";
  Commentary commentary = UnderWay();
  EXPECT_EQ(commentary.Update(s)[2], "Team 1 made 23/2: Team 2 need 24 to win");
}

}  // namespace
