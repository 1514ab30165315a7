#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/ball/NewBall.h"
#include "core/bowling/PitchSpot.h"
#include "fakes/Fakes.h"

namespace {
struct Range {
  int low = 99999, high = -99999;
  void Add(int v) { low = std::min(low, v), high = std::max(high, v); }
};
}  // namespace

TEST(PitchSpot, ScatterAroundTheAimWidensWithPace) {
  const struct {
    i16 pace;
    int xLow, xHigh, yLow, yHigh;
  } cases[] = {{0, 267, 290, 269, 288}, {1, 269, 288, 271, 286}, {2, 273, 284, 274, 283}};
  for (const auto& c : cases) {
    fakes::MatchRig rig;
    MatchState& s = rig.S;
    Range x, y;
    for (int i = 0; i < 2000; ++i) {
      s.RunUpStarted = true, s.PitchChosen = false;
      s.BallPace = c.pace, s.BowlCursorX = 250, s.BowlCursorY = 250;
      StartRunUpOrChooseSpot(rig.match);
      x.Add(s.PitchX), y.Add(s.PitchY);
    }
    EXPECT_EQ(s.DeliveryPace, c.pace);
    EXPECT_EQ(std::tuple(x.low, x.high, y.low, y.high),
              std::tuple(c.xLow, c.xHigh, c.yLow, c.yHigh))
        << "pace " << c.pace;
  }
}

TEST(PitchSpot, KeyStartsRunUpThenFixesSpotOnceAndNeverInFlight) {
  const struct {
    bool runUp, bowled, chosen;
    bool runUpAfter, chosenAfter;
    i16 paceAfter;
  } cases[] = {{false, false, false, true, false, 0},  // waiting: the run-up starts, no spot yet
               {true, false, false, true, true, 2},  // run-up: the spot is fixed at the pace of now
               {true, false, true, true, true, 0},   // spot already fixed: nothing
               {false, true, false, false, false, 0}};  // in flight: nothing
  for (const auto& c : cases) {
    fakes::MatchRig rig;
    MatchState& s = rig.S;
    s.RunUpStarted = c.runUp, s.BallBowled = c.bowled, s.PitchChosen = c.chosen;
    s.BallPace = 2, s.PitchX = -1;
    StartRunUpOrChooseSpot(rig.match);
    EXPECT_EQ(s.RunUpStarted, c.runUpAfter);
    EXPECT_EQ(s.PitchChosen, c.chosenAfter);
    EXPECT_EQ(s.DeliveryPace, c.paceAfter);
    EXPECT_EQ(s.PitchX != -1, c.chosenAfter && !c.chosen);
  }
}

TEST(NewBall, CursorPlacedByGameType) {
  const struct {
    Option game;
    int xLow, xHigh, yLow, yHigh;
  } cases[] = {{Option::Option1, 230, 269, 250, 250}, {Option::Option2, 210, 289, 210, 289}};
  for (const auto& c : cases) {
    fakes::MatchRig rig;
    rig.panel.Select(c.game);
    Range x, y;
    for (int i = 0; i < 3000; ++i) {
      NewBall(rig.match);
      x.Add(rig.S.BowlCursorX), y.Add(rig.S.BowlCursorY);
    }
    EXPECT_EQ(std::tuple(x.low, x.high, y.low, y.high),
              std::tuple(c.xLow, c.xHigh, c.yLow, c.yHigh));
  }
}

TEST(NewBall, ClearsEveryLatchAndPutsEveryoneBackButKeepsThePaceAndTheSpot) {
  fakes::MatchRig rig;
  MatchState& s = rig.S;
  bool* flags[] = {&s.BallBounced,    &s.RunUpStarted, &s.BallBowled, &s.PitchChosen,
                   &s.StumpCheckDone, &s.BallPastBat,  &s.WideCalled, &s.BallStopped,
                   &s.Bowled,         &s.WideBall,     &s.CpuBowling};
  for (bool* f : flags) *f = true;
  i16* counts[] = {&s.RunUpCounter, &s.BallCounter, &s.StumpsFrame, &s.ShotFrameBase, &s.CursorVX};
  for (i16* n : counts) *n = 2;
  s.BallPace = 2, s.PitchX = 280, s.CursorVY = -2, s.OutcomeText = "4 Runs";
  s.BowlerX = s.BowlerY = s.BatsmanSpriteX = s.BallSpriteY = 7, s.BallX = s.BallY = 7;
  NewBall(rig.match);
  for (std::size_t i = 0; i < std::size(flags); ++i) EXPECT_FALSE(*flags[i]) << "flag " << i;
  for (std::size_t i = 0; i < std::size(counts); ++i) EXPECT_EQ(*counts[i], 0) << "count " << i;
  EXPECT_EQ(s.OutcomeText, "");
  EXPECT_EQ(std::tuple(s.BallPace, s.PitchX, s.CursorVY), std::tuple(2, 280, -2));
  // The bowler at his mark, the batsman at his stance, the ball 170 above (250, 330).
  EXPECT_EQ(std::tuple(s.BowlerX, s.BowlerY, s.BatsmanSpriteX), std::tuple(130, 410, 180));
  EXPECT_EQ(std::tuple(s.BallX, s.BallY, s.BallSpriteY), std::tuple(250.0f, 330.0f, 160));
}
