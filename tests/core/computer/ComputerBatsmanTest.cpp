// The computer batsman: when it acts, where it puts the bat, which shot it picks
// and that it leaves a wide alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "core/computer/ComputerBatsman.h"
#include "fakes/Fakes.h"

namespace {

// A second-innings "Human V CPU" ball in front of the batsman. Not bowled, so
// any shot asked for is refused unless a test says otherwise.
struct Batting {
  Batting() {
    rig.panel.Select(Option::Option1);
    rig.Rnd = Random(5);
    s().FirstInnings = false;
    s().BallX = 300.0f;
    s().BallY = 200.0f;
    s().BallCrossX = 300;
    s().PitchY = 220;
    s().BatsmanX = 123;
  }
  MatchState& s() { return rig.S; }
  fakes::MatchRig rig;
};

struct Idle {
  const char* why;
  bool firstInnings;
  Option gameType;
  float ballY;
};

constexpr Idle kIdle[] = {
    {"first innings", true, Option::Option1, 200.0f},
    {"Human V Human", false, Option::Option2, 200.0f},
    {"ball still at 205", false, Option::Option1, 205.0f},
    {"ball not yet near", false, Option::Option1, 300.0f},
};

TEST(CpuBat, DoesNothingUnlessTheComputerBatsAndTheBallIsNear) {
  for (const Idle& row : kIdle) {
    SCOPED_TRACE(row.why);
    Batting b;
    b.rig.panel.Select(row.gameType);
    b.s().FirstInnings = row.firstInnings;
    b.s().BallY = row.ballY;
    b.s().BallBowled = true;
    b.s().ShotKey = 0;
    const auto drawsBefore = b.rig.Rnd.State();
    CpuBat(b.rig.match);
    EXPECT_EQ(b.s().BatsmanX, 123);
    EXPECT_EQ(b.s().ShotKey, 0);
    EXPECT_EQ(b.s().CpuBatSpread, 0);
    EXPECT_FALSE(b.s().ShotPlayed);
    EXPECT_EQ(b.rig.Rnd.State(), drawsBefore);
  }
}

struct Placement {
  std::optional<Option> option;  // none: no "CPU AI" option selected
  int spread;
  int lo, hi;  // bat minus ball, pixels
};

constexpr Placement kPlacements[] = {
    {Option::CPUe, 30, -4, 25},
    {Option::CPUh, 10, -4, 5},
    {std::nullopt, 10, -4, 5},  // the spread last set stands
    {Option::CPUn, 20, -4, 15},
};

// One match, the difficulty changed between shots: each takes effect at once.
TEST(CpuBat, PlacesTheBatWithinItsDifficultysSpreadAndReachesBothEnds) {
  Batting b;
  b.s().BallCrossX = 340;  // the bat goes to the ball as it is now, not to where it crossed
  for (const Placement& p : kPlacements) {
    SCOPED_TRACE(p.spread);
    if (p.option) {
      b.rig.panel.Select(*p.option);
    } else {
      for (Option cpu : {Option::CPUe, Option::CPUn, Option::CPUh}) b.rig.panel.selected.erase(cpu);
    }
    int lo = 1000, hi = -1000;
    for (int i = 0; i < 2000; ++i) {
      CpuBat(b.rig.match);
      lo = std::min(lo, b.s().BatsmanX - 300);
      hi = std::max(hi, b.s().BatsmanX - 300);
    }
    EXPECT_EQ(b.s().CpuBatSpread, p.spread);
    EXPECT_EQ(lo, p.lo);
    EXPECT_EQ(hi, p.hi);
  }
}

struct ShotChoice {
  i16 crossX, pitchY;
  i16 expected;  // kKept: the shot chosen before stands
};
constexpr i16 kKept = -1;
constexpr i16 kEarlier = 0;  // the shot left from an earlier ball

constexpr ShotChoice kShotChoices[] = {
    {309, 234, 1},     {310, 234, kKept}, {311, 234, 2},  // pitched up: drive or glance
    {299, 236, 4},     {300, 236, kKept}, {301, 236, 3},  // short: cut or hook
    {280, 235, kKept}, {320, 235, kKept},                 // exactly on the length line
    {300, 234, 1},     {310, 236, 3},                     // each side uses its own split
    {305, 100, 1},     {305, 400, 3},
};

TEST(CpuBat, ChoosesItsShotByLineAndLengthKeepingTheLastOneOnASplit) {
  for (const ShotChoice& c : kShotChoices) {
    SCOPED_TRACE("cross x " + std::to_string(c.crossX) + ", pitch y " + std::to_string(c.pitchY));
    Batting b;
    b.s().ShotKey = kEarlier;
    b.s().BallCrossX = c.crossX;
    b.s().PitchY = c.pitchY;
    CpuBat(b.rig.match);
    EXPECT_EQ(b.s().ShotKey, c.expected == kKept ? kEarlier : c.expected);
  }
}

// The shot is asked for in the ball's hitting window, unless the ball is a wide.
TEST(CpuBat, PlaysAtABallInTheWindowButLeavesAWideAlone) {
  for (bool wide : {false, true}) {
    SCOPED_TRACE(wide ? "wide" : "fair");
    Batting b;
    b.rig.panel.Select(Option::CPUh);
    b.s().BallBowled = true;
    b.s().BallVY = -10.0f;
    b.s().WideBall = wide;
    b.s().OutcomeText = wide ? "Wide" : "";
    CpuBat(b.rig.match);
    EXPECT_EQ(b.s().ShotPlayed, !wide);
    if (wide) {
      EXPECT_EQ(b.s().OutcomeText, "Wide");
    }
  }
}

}  // namespace
