// The computer bowler over whole run-ups: the cursor's walk, the pace cycle and
// the one chance in forty per tick of fixing the pitch spot.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "core/computer/ComputerBowler.h"
#include "core/model/FieldGeometry.h"
#include "fakes/Fakes.h"

namespace {

constexpr int kRunUpTicks = field::RunUpTicks;

// A fresh ball of a "Human V CPU" first innings, its run-up under way.
void StartRunUp(MatchState& s, i16 pace) {
  s.FirstInnings = true;
  s.RunUpStarted = true;
  s.BallBowled = false;
  s.PitchChosen = false;
  s.BowlCursorX = 250;
  s.BowlCursorY = 250;
  s.BallPace = pace;
}

TEST(CpuBowl, TheAimDriftsSidewaysAndWalksTwoPixelsATickUpThePitch) {
  fakes::MatchRig rig;
  rig.panel.Select(Option::Option1);
  rig.Rnd = Random(7);
  MatchState& s = rig.S;
  std::array<int, 4> seen{};  // steps of -1, 0, +1, +2 on x
  long drift = 0;
  int ticks = 0;
  for (int ball = 0; ball < 200; ++ball) {
    StartRunUp(s, 0);
    for (int tick = 0; tick < kRunUpTicks; ++tick, ++ticks) {
      const i16 x = s.BowlCursorX, y = s.BowlCursorY;
      CpuBowl(rig.match);
      const int dx = s.BowlCursorX - x;
      ASSERT_EQ(s.BowlCursorY, y - 2);
      ASSERT_GE(dx, -1);
      ASSERT_LE(dx, 2);
      ++seen[static_cast<std::size_t>(dx + 1)];
      drift += dx;
    }
  }
  for (int count : seen) EXPECT_GT(count, ticks / 5);
  const double mean = static_cast<double>(drift) / ticks;
  EXPECT_NEAR(mean, 0.5, 0.05);
}

// Fast moves on one tick in eight, fast/medium two in eight, slow three in
// eight, always to the next pace round the cycle.
TEST(CpuBowl, ThePaceCyclesFastMediumSlowAtItsOwnRateFromEach) {
  fakes::MatchRig rig;
  rig.panel.Select(Option::Option1);
  rig.Rnd = Random(11);
  MatchState& s = rig.S;
  std::array<int, 3> ticksAt{}, movesFrom{};
  StartRunUp(s, 0);
  for (int tick = 0; tick < 24000; ++tick) {
    if (tick % kRunUpTicks == 0) StartRunUp(s, s.BallPace);
    const i16 before = s.BallPace;
    CpuBowl(rig.match);
    ASSERT_TRUE(s.BallPace == before || s.BallPace == (before + 1) % 3)
        << before << " -> " << s.BallPace;
    ++ticksAt[static_cast<std::size_t>(before)];
    if (s.BallPace != before) ++movesFrom[static_cast<std::size_t>(before)];
  }
  const double expected[] = {1.0 / 8, 2.0 / 8, 3.0 / 8};
  for (std::size_t pace = 0; pace < 3; ++pace) {
    SCOPED_TRACE(pace);
    ASSERT_GT(ticksAt[pace], 1000);
    EXPECT_NEAR(static_cast<double>(movesFrom[pace]) / ticksAt[pace], expected[pace], 0.03);
  }
}

// The spot's error around the aimed point (cursor + 29), by pace.
struct SpotRange {
  int loX, hiX, loY, hiY;
};
constexpr SpotRange kSpotRange[] = {{17, 40, 19, 38}, {19, 38, 21, 36}, {23, 34, 24, 33}};

// Once fixed, a ball's spot and pace stay put for the rest of the run-up; it is
// fixed from the cursor and pace as this very tick left them.
TEST(CpuBowl, FixesThePitchSpotAtMostOncePerBallFromTheCursorAsItStands) {
  fakes::MatchRig rig;
  rig.panel.Select(Option::Option1);
  rig.Rnd = Random(3);
  MatchState& s = rig.S;
  const int balls = 600;
  int fixedBalls = 0;
  for (int ball = 0; ball < balls; ++ball) {
    StartRunUp(s, static_cast<i16>(ball % 3));
    bool fixed = false;
    i16 pitchX = 0, pitchY = 0, pace = 0;
    for (int tick = 0; tick < kRunUpTicks; ++tick) {
      CpuBowl(rig.match);
      if (fixed) {
        ASSERT_EQ(s.PitchX, pitchX);
        ASSERT_EQ(s.PitchY, pitchY);
        ASSERT_EQ(s.DeliveryPace, pace);
      } else if (s.PitchChosen) {
        fixed = true;
        pitchX = s.PitchX, pitchY = s.PitchY, pace = s.DeliveryPace;
        ASSERT_EQ(pace, s.BallPace);
        const SpotRange& r = kSpotRange[pace];
        EXPECT_GE(pitchX - s.BowlCursorX, r.loX);
        EXPECT_LE(pitchX - s.BowlCursorX, r.hiX);
        EXPECT_GE(pitchY - s.BowlCursorY, r.loY);
        EXPECT_LE(pitchY - s.BowlCursorY, r.hiY);
      }
    }
    fixedBalls += fixed ? 1 : 0;
  }
  // 1 - (39/40)^60: about 78 balls in 100 get their spot fixed in the run-up,
  // the rest only at the release.
  EXPECT_NEAR(static_cast<double>(fixedBalls) / balls, 0.78, 0.06);
}

}  // namespace
