#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/bowling/BowlCursor.h"
#include "fakes/Fakes.h"

namespace {
struct EasyRig : fakes::MatchRig {
  EasyRig() {
    panel.Select(Option::OptionBOWLe);
    S.CursorAccel = 1;
    S.BowlCursorX = 200, S.BowlCursorY = 200;
  }
};
}  // namespace

TEST(BowlCursor, EasyRightKeyAcceleratesToFourThenGlidesToTheEdge) {
  EasyRig rig;
  MatchState& s = rig.S;
  s.RightHeld = true;
  for (i16 v : {1, 2, 3, 4, 4, 4}) {
    MoveBowlCursor(rig.match);
    EXPECT_EQ(s.CursorVX, v);
  }
  EXPECT_EQ(s.BowlCursorX, 218);
  s.RightHeld = false;
  for (int tick = 0; tick < 50; ++tick) MoveBowlCursor(rig.match);
  EXPECT_EQ(s.BowlCursorX, 379);
  EXPECT_EQ(s.CursorVX, 0);
  EXPECT_EQ(s.BowlCursorY, 200);
}

TEST(BowlCursor, OvershootsOneTickThenReturnsToTheEdge) {
  const struct {
    bool onY;
    i16 pos, v, next, after;
  } cases[] = {{false, 378, 4, 382, 379},  {false, 182, -4, 178, 181}, {false, 376, 4, 380, 379},
               {false, 184, -4, 180, 181}, {true, 278, 4, 282, 279},   {true, 152, -3, 149, 151},
               {true, 154, -4, 150, 151}};
  for (const auto& c : cases) {
    EasyRig rig;
    MatchState& s = rig.S;
    i16& pos = c.onY ? s.BowlCursorY : s.BowlCursorX;
    i16& v = c.onY ? s.CursorVY : s.CursorVX;
    pos = c.pos, v = c.v;
    MoveBowlCursor(rig.match);
    EXPECT_EQ(pos, c.next);
    MoveBowlCursor(rig.match);
    EXPECT_EQ(pos, c.after);
    EXPECT_EQ(v, 0);
  }
}

TEST(BowlCursor, BothKeysHeldCancelUnlessAtTheLowerLimit) {
  const struct { i16 before, after; } cases[] = {{-4, -3}, {-3, -3}, {0, 0}, {4, 4}};
  for (const auto& c : cases) {
    EasyRig rig;
    rig.S.LeftHeld = rig.S.RightHeld = true;
    rig.S.CursorVX = c.before;
    MoveBowlCursor(rig.match);
    EXPECT_EQ(rig.S.CursorVX, c.after) << c.before;
  }
}

// Each arrow pushes the cursor its own way, one step more each tick.
TEST(BowlCursor, EachArrowSteersItsOwnWay) {
  const struct {
    bool MatchState::*held;
    int vx, vy;
  } cases[] = {{&MatchState::LeftHeld, -2, 0},
               {&MatchState::RightHeld, 2, 0},
               {&MatchState::UpHeld, 0, -2},
               {&MatchState::DownHeld, 0, 2}};
  for (const auto& c : cases) {
    EasyRig rig;
    MatchState& s = rig.S;
    s.*c.held = true;
    MoveBowlCursor(rig.match);
    MoveBowlCursor(rig.match);
    EXPECT_EQ(std::tuple(s.CursorVX, s.CursorVY), std::tuple(c.vx, c.vy));
    EXPECT_EQ(std::tuple(s.BowlCursorX, s.BowlCursorY),
              std::tuple(200 + c.vx * 3 / 2, 200 + c.vy * 3 / 2));
  }
}

// "Normal" bowling draws a fresh step of 1 to 5 every tick, after mixing the
// time of day into the generator: the same generator at another time of day
// steps differently.
TEST(BowlCursor, NormalDrawsAFreshStepThatFollowsTheTimeOfDay) {
  fakes::MatchRig early, late;
  late.timeOfDay += 1;
  std::vector<int> steps[2];
  bool seen[6] = {};
  for (fakes::MatchRig* rig : {&early, &late}) {
    rig->panel.Select(Option::OptionBOWLn);
    rig->Rnd = Random(42);
    for (int tick = 0; tick < 300; ++tick) {
      rig->timeOfDay += 16;
      MoveBowlCursor(rig->match);
      const i16 step = rig->S.CursorAccel;
      ASSERT_GE(step, 1);
      ASSERT_LE(step, 5);
      seen[step] = true;
      steps[rig == &late].push_back(step);
    }
  }
  for (int step = 1; step <= 5; ++step) EXPECT_TRUE(seen[step]) << step;
  EXPECT_NE(steps[0], steps[1]);
}
