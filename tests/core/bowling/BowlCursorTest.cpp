#include <gtest/gtest.h>

#include "core/bowling/BowlCursor.h"
#include "fakes/Fakes.h"

namespace {
struct EasyRig : fakes::Rig {
  EasyRig() {
    forms.Select(Option::OptionBOWLe);
    game.S.CursorAccel = 1;
    game.S.BowlCursorX = 200, game.S.BowlCursorY = 200;
  }
};
}  // namespace

TEST(BowlCursor, EasyRightKeyAcceleratesToFourThenGlidesToTheEdge) {
  EasyRig rig;
  MatchState& s = rig.game.S;
  s.RightHeld = true;
  for (i16 v : {1, 2, 3, 4, 4, 4}) {
    MoveBowlCursor(rig.game.M);
    EXPECT_EQ(s.CursorVX, v);
  }
  EXPECT_EQ(s.BowlCursorX, 218);
  s.RightHeld = false;
  for (int tick = 0; tick < 50; ++tick) MoveBowlCursor(rig.game.M);
  EXPECT_EQ(s.BowlCursorX, 379);
  EXPECT_EQ(s.CursorVX, 0);
  EXPECT_EQ(s.BowlCursorY, 200);
}

TEST(BowlCursor, OvershootsOneTickThenReturnsToTheEdge) {
  const struct { bool onY; i16 pos, v, next, after; } cases[] = {
      {false, 378, 4, 382, 379}, {false, 182, -4, 178, 181}, {false, 376, 4, 380, 379},
      {true, 278, 4, 282, 279},  {true, 152, -3, 149, 151},  {true, 154, -4, 150, 151}};
  for (const auto& c : cases) {
    EasyRig rig;
    MatchState& s = rig.game.S;
    i16& pos = c.onY ? s.BowlCursorY : s.BowlCursorX;
    i16& v = c.onY ? s.CursorVY : s.CursorVX;
    pos = c.pos, v = c.v;
    MoveBowlCursor(rig.game.M);
    EXPECT_EQ(pos, c.next);
    MoveBowlCursor(rig.game.M);
    EXPECT_EQ(pos, c.after);
    EXPECT_EQ(v, 0);
  }
}

TEST(BowlCursor, BothKeysHeldCancelUnlessAtTheLowerLimit) {
  const struct { i16 before, after; } cases[] = {{-4, -3}, {-3, -3}, {0, 0}, {4, 4}};
  for (const auto& c : cases) {
    EasyRig rig;
    rig.game.S.LeftHeld = rig.game.S.RightHeld = true;
    rig.game.S.CursorVX = c.before;
    MoveBowlCursor(rig.game.M);
    EXPECT_EQ(rig.game.S.CursorVX, c.after) << c.before;
  }
}

TEST(BowlCursor, NormalDrawsAFreshStepFromTheReseededGenerator) {
  fakes::Rig rig;
  rig.forms.Select(Option::OptionBOWLn);
  bool seen[6] = {};
  for (int tick = 0; tick < 300; ++tick) {
    rig.clock.Advance(16);
    Random expected = rig.game.Rnd;
    expected.Reseed(rig.clock.ms);
    const i16 step = static_cast<i16>(expected.Draw(5));
    MoveBowlCursor(rig.game.M);
    ASSERT_EQ(rig.game.S.CursorAccel, step);
    seen[step] = true;
  }
  for (int step = 1; step <= 5; ++step) EXPECT_TRUE(seen[step]) << step;
}
