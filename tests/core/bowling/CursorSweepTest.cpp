#include <gtest/gtest.h>

#include <vector>

#include "core/bowling/CursorSweep.h"
#include "core/model/MatchState.h"

namespace {

// Left is applied first and Right sees what it left: both keys cancel, except at
// -6 where Left is skipped and Right still adds 2.
TEST(SweepBowlCursor, SteersBetweenMinusSixAndSix) {
  struct Case {
    i16 vx;
    bool left, right;
    std::vector<int> velocities;  // CursorVX after each call
  };
  const Case cases[] = {{0, true, false, {-2, -4, -6, -6}},
                        {-6, false, true, {-4, -2, 0, 2, 4, 6, 6}},
                        {0, true, true, {0, 0}},
                        {-6, true, true, {-4, -4}},
                        {6, true, true, {6}},
                        {4, false, false, {4, 4}}};
  for (const auto& c : cases) {
    MatchState s;
    s.BowlCursorX = 250;
    s.CursorVX = c.vx;
    s.LeftHeld = c.left, s.RightHeld = c.right;
    std::vector<int> seen;
    for (std::size_t i = 0; i < c.velocities.size(); ++i) {
      SweepBowlCursor(s);
      seen.push_back(s.CursorVX);
    }
    EXPECT_EQ(seen, c.velocities) << c.vx << (c.left ? " Left" : "") << (c.right ? " Right" : "");
  }
}

TEST(SweepBowlCursor, LeavingTheBandPutsTheCursorBackAtTheEdge) {
  struct Case {
    i16 x, vx;
    int afterMove, afterPutBack;
  };
  const Case cases[] = {
      {377, 6, 383, 379}, {183, -6, 177, 181}, {379, 2, 381, 379}, {181, -2, 179, 181},
      {376, 4, 380, 379}, {184, -4, 180, 181}};  // exactly on an edge is outside the band
  for (const auto& c : cases) {
    MatchState s;
    s.BowlCursorX = c.x, s.CursorVX = c.vx;
    s.BowlCursorY = 100, s.CursorStep = 11;
    SweepBowlCursor(s);
    EXPECT_EQ(s.BowlCursorX, c.afterMove) << c.x;
    SweepBowlCursor(s);
    EXPECT_EQ(s.BowlCursorX, c.afterPutBack) << c.x;
    EXPECT_EQ(s.CursorVX, 0) << c.x;
    EXPECT_EQ(s.BowlCursorY, 122) << "y runs on regardless, from " << c.x;
  }
}

}  // namespace
