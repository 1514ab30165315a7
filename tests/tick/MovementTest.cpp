#include <gtest/gtest.h>

#include <vector>

#include "tick/Movement.h"

namespace {

// Each step grows by 3; the bound only stops the move after the one crossing it,
// and a stop, a release or both keys start the next move at 3 again.
TEST(MoveBatsman, AcceleratesUntilTheBoundStopsTheNextMove) {
  struct Run {
    i16 startX, startVX;
    bool z, x;
    std::vector<int> positions;  // BatsmanX after each tick
  };
  const Run runs[] = {
      {300, 0, true, false, {297, 291, 282, 270, 255, 237, 237}},
      {300, 0, false, true, {303, 309, 318, 330, 345, 363, 363}},
      {251, 0, true, false, {248, 248}},
      {240, 0, true, false, {240}},
      {240, 0, false, true, {243, 249}},
      {300, 9, true, true, {300}},
      {300, -6, false, false, {300}},
  };
  for (const auto& run : runs) {
    MatchState s;
    s.BatsmanX = run.startX;
    s.BatsmanVX = run.startVX;
    s.BatLeftHeld = run.z, s.BatRightHeld = run.x;
    std::vector<int> seen;
    for (std::size_t i = 0; i < run.positions.size(); ++i) {
      MoveBatsman(s);
      seen.push_back(s.BatsmanX);
    }
    EXPECT_EQ(seen, run.positions)
        << "from " << run.startX << (run.z ? " Z" : "") << (run.x ? " X" : "");
    if (seen.size() == 1 || seen.back() == seen[seen.size() - 2]) {
      EXPECT_EQ(s.BatsmanVX, 0) << run.startX;
    }
  }
}

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
      {377, 6, 383, 379}, {183, -6, 177, 181}, {379, 2, 381, 379}, {181, -2, 179, 181}};
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
