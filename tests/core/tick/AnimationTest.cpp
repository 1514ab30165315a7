#include <gtest/gtest.h>

#include <vector>

#include "core/model/Outcome.h"
#include "core/tick/Animation.h"
#include "core/tick/FrameTables.h"

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

// The run-up: tile 1 for the first three ticks, then each of tiles 2..27 for
// two ticks, then 28..32 a tick each as he reaches the crease; one pixel right a tick.
int RunUpTile(int tick) {
  if (tick < 4) return 1;
  if (tick < 56) return tick / 2;
  return tick - 28;
}

TEST(BowlerFrame, RunsUpRightThenStepsBackLeftAfterTheRelease) {
  MatchState s = FilledState();
  for (i16 c = 1; c <= 60; ++c) {
    EXPECT_EQ(BowlerFrame(s, c), RunUpTile(c)) << "run-up tick " << c;
    EXPECT_EQ(s.BowlerX, 130 + c) << "run-up tick " << c;
  }
  s.BallBowled = true;
  const int tiles[] = {33, 34, 35, 36, 37, 38, 38, 38},
            xs[] = {184, 178, 172, 166, 160, 154, 154, 154};
  for (i16 c = 1; c <= 8; ++c) {
    EXPECT_EQ(BowlerFrame(s, c), tiles[c - 1]) << "flight tick " << c;
    EXPECT_EQ(s.BowlerX, xs[c - 1]) << "flight tick " << c;
  }
}

// While the bowler runs in, the batsman sways through his stance at a third of
// the pace: still, a frame forward, two frames forward, back again, still.
TEST(BatsmanFrame, StanceSwaysOnceDuringTheRunUp) {
  const struct {
    int from, to, tile;
  } spans[] = {{0, 10, 0}, {11, 16, 1}, {17, 40, 2}, {41, 46, 1}, {47, 60, 0}};
  const MatchState s = FilledState();
  for (const auto& span : spans)
    for (int c = span.from; c <= span.to; ++c)
      EXPECT_EQ(BatsmanFrame(s, static_cast<i16>(c)), span.tile) << "run-up tick " << c;
}

// The tiles a player sees tick by tick: a ball nobody plays at (the batsman
// picks his bat up and holds it), and each shot from the tick after it is played
// until it has ended (the attacking shots return to the resting tile 0).
TEST(BatsmanFrame, EveryFrameOfThePickUpAndOfEachShot) {
  const struct {
    const char* name;
    bool shot;
    i16 code;
    std::vector<int> tiles;  // from one tick after the shot (or the release) on
  } cases[] = {
      {"pick-up", false, 0, {1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 5, 5}},
      {"defensive", true, shot::kDefensive, {6, 7, 7, 8, 8, 8, 8, 8}},
      {"drive", true, shot::kDrive, {6, 7, 7, 8, 8, 9, 9, 10, 10, 10, 10,
                                     9, 9, 9, 8, 8, 8, 7, 6,  0,  0,  0}},
      {"glance", true, shot::kGlance, {12, 13, 14, 14, 15, 15, 16, 16, 16, 16, 15,
                                       15, 14, 14, 14, 14, 13, 13, 13, 0,  0,  0}},
      {"hook", true, shot::kHook, {17, 18, 18, 19, 20, 21, 22, 23, 24, 24, 24,
                                   24, 24, 23, 22, 37, 37, 37, 37, 0,  0,  0}},
      {"cut", true, shot::kCut, {26, 27, 28, 29, 30, 31, 32, 33, 34, 34, 35,
                                 35, 36, 36, 36, 36, 37, 37, 37, 0,  0,  0}},
  };
  const MatchState filled = FilledState();
  for (const auto& c : cases) {
    MatchState s = filled;
    s.BallBowled = true, s.ShotPlayed = c.shot, s.ShotCode = c.code;
    s.ShotFrameBase = c.shot ? 24 : 0;
    std::vector<int> seen;
    for (std::size_t i = 1; i <= c.tiles.size(); ++i)
      seen.push_back(BatsmanFrame(s, static_cast<i16>(s.ShotFrameBase + i)));
    EXPECT_EQ(seen, c.tiles) << c.name;
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
