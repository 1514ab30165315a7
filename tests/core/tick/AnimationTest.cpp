#include <gtest/gtest.h>

#include "core/model/Outcome.h"
#include "core/tick/FrameTables.h"
#include "core/tick/Animation.h"

namespace {

MatchState FilledState() {
  MatchState s;
  FillFrameTables(s);
  s.BowlerX = 130;
  return s;
}

template <typename F>
int ErrorNumberOf(F action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.Number();
  }
  return 0;
}

TEST(BowlerFrame, RunsUpRightThenStepsBackLeftAfterTheRelease) {
  MatchState s = FilledState();
  for (i16 c = 1; c <= 60; ++c)
    EXPECT_EQ(BowlerFrame(s, c), s.RunUpFrames[c]) << "run-up tick " << c;
  EXPECT_EQ(s.BowlerX, 190);
  s.BallBowled = true;
  const int tiles[] = {33, 34, 35, 36, 37, 38, 38, 38},
            xs[] = {184, 178, 172, 166, 160, 154, 154, 154};
  for (i16 c = 1; c <= 8; ++c) {
    EXPECT_EQ(BowlerFrame(s, c), tiles[c - 1]) << "flight tick " << c;
    EXPECT_EQ(s.BowlerX, xs[c - 1]) << "flight tick " << c;
  }
}

TEST(BatsmanFrame, PicksTheTileOfTheStanceThePickUpOrTheShot) {
  struct Case {
    bool bowled, shotPlayed;
    i16 shotCode, frameBase, counter;
    int tile;
  };
  const Case cases[] = {
      // run-up: stance entry counter / 3, rounded (11 -> 4, 17 -> 6)
      {false, false, 0, 0, 1, 0},
      {false, false, 0, 0, 11, 1},
      {false, false, 0, 0, 17, 2},
      {false, false, 0, 0, 60, 0},
      // flight with no shot: the pick-up holds entry 10 from tick 11
      {true, false, 0, 0, 5, 2},
      {true, false, 0, 0, 11, 5},
      {true, false, 0, 0, 61, 5},
      // defensive: entries 1..5 of the drive, then holds entry 5
      {true, true, shot::kDefensive, 30, 31, 6},
      {true, true, shot::kDefensive, 30, 35, 8},
      {true, true, shot::kDefensive, 30, 40, 8},
      // attacking shots: entries 1..20, then hold entry 20
      {true, true, shot::kDrive, 30, 38, 10},
      {true, true, shot::kDrive, 30, 61, 0},
      {true, true, shot::kGlance, 20, 27, 16},
      {true, true, shot::kHook, 20, 36, 37},
      {true, true, shot::kCut, 20, 33, 36},
  };
  const MatchState filled = FilledState();
  for (const auto& c : cases) {
    MatchState s = filled;
    s.BallBowled = c.bowled, s.ShotPlayed = c.shotPlayed;
    s.ShotCode = c.shotCode, s.ShotFrameBase = c.frameBase;
    EXPECT_EQ(BatsmanFrame(s, c.counter), c.tile)
        << "shot " << c.shotCode << ", tick " << c.counter;
  }
}

TEST(Animation, AnIndexOutsideItsTableIsSubscriptOutOfRange) {
  MatchState s = FilledState();
  EXPECT_EQ(ErrorNumberOf([&] { BowlerFrame(s, 62); }), kErrSubscript);
  EXPECT_EQ(s.BowlerX, 130) << "the bowler must not move on a failed look-up";
  EXPECT_EQ(ErrorNumberOf([&] { BatsmanFrame(s, -3); }), kErrSubscript) << "stance index -1";
  s.BallBowled = s.ShotPlayed = true;
  s.ShotFrameBase = 40;
  EXPECT_EQ(ErrorNumberOf([&] { BatsmanFrame(s, 39); }), kErrSubscript) << "a tick before the shot";
}

}  // namespace
