// Runs, wickets, balls and overs of an innings, where an innings ends and how
// the next one begins.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/scoring/Scoring.h"
#include "fakes/Fakes.h"

namespace {

struct Scorer {
  explicit Scorer(const std::string& overs) {
    rig.panel.SetText(TextBox::Text3, overs);
    rig.S.FirstInnings = true;
  }
  void Balls(int count, const std::string& outcome = "No Run") {
    for (int i = 0; i < count; ++i) {
      rig.S.OutcomeText = outcome;
      ScoreBall(rig.match);
    }
  }
  MatchState& s() { return rig.S; }
  void ExpectFreshSecondInnings() {
    EXPECT_FALSE(s().FirstInnings);
    EXPECT_TRUE(s().InningsBreak);
    EXPECT_FALSE(s().QuitGame);
    EXPECT_EQ(std::tuple(s().OversBowled, s().BallsInOver, s().Team2Wickets), std::tuple(0, 0, 0));
    EXPECT_TRUE(rig.results.empty());
  }
  fakes::MatchRig rig;
};

// The outcome line is read whole and case-sensitively, and the runs, wicket and
// ball go to the side batting. The worth of each outcome is the game's table.
TEST(ScoreBall, EachOutcomeCountsForTheSideBattingAndNearMissesForNothing) {
  const struct {
    const char* outcome;
    int runs, wickets, balls;
  } cases[] = {
      {"Wide", 1, 0, 0},  {"", 0, 0, 1},       {"4 Runs", 4, 0, 1},     {"Your OUT!!!", 0, 1, 1},
      {"Wide ", 0, 0, 0}, {"4 runs", 0, 0, 0}, {"caught out", 0, 0, 0}, {"Your OUT!!", 0, 0, 0},
  };
  for (bool first : {true, false}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string("\"") + c.outcome + (first ? "\" team 1" : "\" team 2"));
      Scorer sc("20");
      MatchState& s = sc.s();
      s.FirstInnings = first;
      s.Team1Runs = s.Team2Runs = 10;
      s.Team1Wickets = s.Team2Wickets = 3;
      s.BallsInOver = 2;
      sc.Balls(1, c.outcome);
      EXPECT_EQ(first ? s.Team1Runs : s.Team2Runs, 10 + c.runs);
      EXPECT_EQ(first ? s.Team1Wickets : s.Team2Wickets, 3 + c.wickets);
      EXPECT_EQ(s.BallsInOver, 2 + c.balls);
      EXPECT_EQ(
          std::tuple(first ? s.Team2Runs : s.Team1Runs, first ? s.Team2Wickets : s.Team1Wickets),
          std::tuple(10, 3));
      const GameEvent& told = sc.rig.told.heard.at(0);  // the board after the ball, told
      EXPECT_EQ(
          std::tuple(told.teamRuns, told.teamWickets),
          std::tuple(first ? s.Team1Runs : s.Team2Runs, first ? s.Team1Wickets : s.Team2Wickets));
    }
  }
}

TEST(ScoreBall, AnOverIsSixCountedBallsHoweverManyWides) {
  Scorer sc("20");
  for (int ball = 1; ball <= 5; ++ball) {
    sc.Balls(2, "Wide");
    sc.Balls(1, "1 Run");
    EXPECT_EQ(sc.s().BallsInOver, ball);
  }
  EXPECT_EQ(sc.s().OversBowled, 0);
  sc.Balls(1, "");
  EXPECT_EQ(std::tuple(sc.s().BallsInOver, sc.s().OversBowled, sc.s().Team1Runs),
            std::tuple(0, 1, 15));
}

TEST(ScoreBall, ResetScoreLeavesBothSidesAtNilForTheNextMatch) {
  Scorer sc("1");
  MatchState& s = sc.s();
  s.Team1Runs = 5, s.Team2Runs = 6, s.Team1Wickets = 7, s.Team2Wickets = 8;
  s.BallsInOver = 3, s.OversBowled = 2, s.FirstInnings = false;
  ResetScore(s);
  EXPECT_EQ(std::tuple(s.Team1Runs, s.Team2Runs, s.Team1Wickets, s.Team2Wickets),
            std::tuple(0, 0, 0, 0));
  EXPECT_EQ(std::tuple(s.BallsInOver, s.OversBowled, s.FirstInnings), std::tuple(0, 0, true));
}

TEST(ScoreBall, RunsBeyondSixteenBitsRaiseOverflow) {
  Scorer sc("20");
  sc.s().Team1Runs = 32765;
  try {
    sc.Balls(1, "4 Runs");
    FAIL() << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), kErrOverflow);
  }
}

TEST(ScoreBall, PassingTheTargetDoesNotEndTheMatch) {
  Scorer sc("20");
  sc.s().FirstInnings = false;
  sc.s().Team1Runs = 10;
  sc.Balls(5, "4 Runs");
  EXPECT_FALSE(sc.s().QuitGame);
  EXPECT_TRUE(sc.rig.results.empty());
}

TEST(InningsEnd, TheOverLimitClosesEachInningsAndTheNextStartsAtNil) {
  const struct {
    const char* overs;
    int lastBall;  // the counted ball that closes each innings
    const char* lastOutcome;
  } limits[] = {
      {"2", 12, "1 Run"},
      {" 1 ", 6, "Caught Out"},
      // With no overs each innings is over after its first ball, a wide included.
      {"0", 1, "Wide"},
  };
  for (const auto& limit : limits) {
    SCOPED_TRACE(std::string("Text3 \"") + limit.overs + "\" " + limit.lastOutcome);
    Scorer sc(limit.overs);
    sc.Balls(limit.lastBall - 1);
    sc.Balls(1, limit.lastOutcome);
    sc.ExpectFreshSecondInnings();
    sc.Balls(limit.lastBall - 1);
    EXPECT_FALSE(sc.s().QuitGame);
    sc.Balls(1, limit.lastOutcome);
    EXPECT_TRUE(sc.s().QuitGame);
    EXPECT_EQ(sc.rig.results.size(), 1u);
  }
}

// The ball of the last wicket is scored for the closed innings only. The over it
// may complete, and the over limit, would otherwise be charged to the next
// innings and could close it on the same ball.
TEST(InningsEnd, TheLastWicketClosesOnlyItsOwnInnings) {
  const struct {
    const char* overs;
    int ballsBefore;  // counted balls of the innings before the wicket
  } cases[] = {
      {"1", 5},   // on the sixth ball, with one over to play
      {"3", 11},  // on the sixth ball of an over, more to play
      {"5", 8},   // mid-over
      {"0", 5},   // the box edited to nothing during the innings
  };
  for (const auto& w : cases) {
    SCOPED_TRACE(std::string("Text3 \"") + w.overs + "\" after " + std::to_string(w.ballsBefore));
    Scorer sc("20");
    sc.Balls(w.ballsBefore);
    sc.s().Team1Wickets = 9;
    sc.rig.panel.SetText(TextBox::Text3, w.overs);
    sc.Balls(1, "Your OUT!!!");
    sc.ExpectFreshSecondInnings();
  }
}

TEST(InningsEnd, TenthWicketOfTheSecondInningsEndsTheMatchOnce) {
  Scorer sc("1");
  sc.s().FirstInnings = false;
  sc.s().Team2Wickets = 9;
  sc.Balls(5);
  sc.Balls(1, "Caught Out");
  EXPECT_TRUE(sc.s().QuitGame);
  EXPECT_EQ(sc.rig.results.size(), 1u);
}

// The box can be edited while a match runs. Until it holds a whole number the
// innings runs on; once it does, the very next ball is measured against it.
TEST(InningsEnd, NoWholeNumberInTheBoxLeavesOnlyWicketsToEndTheInnings) {
  for (const char* overs : {"1.5", "abc", "", "1,0", "-1"}) {
    SCOPED_TRACE(std::string("Text3 \"") + overs + "\"");
    Scorer sc(overs);
    sc.Balls(30);
    EXPECT_TRUE(sc.s().FirstInnings);
    EXPECT_EQ(sc.s().OversBowled, 5);
    sc.s().Team1Wickets = 9;
    sc.Balls(1, "Caught Out");
    sc.ExpectFreshSecondInnings();
  }
  Scorer edited("abc");
  edited.Balls(14);
  edited.rig.panel.SetText(TextBox::Text3, "2");
  EXPECT_TRUE(edited.s().FirstInnings);
  edited.Balls(1);
  edited.ExpectFreshSecondInnings();
}

}  // namespace
