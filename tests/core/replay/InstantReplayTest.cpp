// The instant replay's memory: only the last whole ball, and never more than a
// ball's worth; R needs a ball kept and a field at rest.
#include <gtest/gtest.h>

#include "core/model/MatchState.h"
#include "core/replay/InstantReplay.h"

namespace {

FrameCalls OneTile(i16 x) {
  return {DrawCall{.kind = DrawCall::Kind::Tile, .x = x}};
}

MatchState Waiting() {
  return MatchState{};
}

void KeepBall(InstantReplay& replay, int frames, i16 firstX = 0) {
  replay.OnEvent({.kind = EventKind::RunUpStarted});
  for (int i = 0; i < frames; ++i) {
    if (i == frames - 1) replay.OnEvent({.kind = EventKind::BallScored});
    replay.FrameShown(OneTile(static_cast<i16>(firstX + i)));
  }
}

}  // namespace

TEST(InstantReplayMemory, KeepsOnlyTheLastWholeBall) {
  InstantReplay replay;
  KeepBall(replay, 121, 0);
  KeepBall(replay, 50, 1000);
  EXPECT_EQ(replay.FramesKept(), 50u);
  replay.OnEvent({.kind = EventKind::RunUpStarted});  // a ball under way keeps the last whole one
  replay.FrameShown(OneTile(7));
  ASSERT_TRUE(replay.KeyDown(82, Waiting()));
  EXPECT_EQ(replay.Advance()->calls[0].x, 1000);
  EXPECT_EQ(replay.Advance()->calls[0].x, 1000);  // each frame twice
  EXPECT_EQ(replay.Advance()->calls[0].x, 1001);
}

TEST(InstantReplayMemory, ABallLongerThanAnyBallIsNotKept) {
  InstantReplay replay;
  KeepBall(replay, 10);
  KeepBall(replay, static_cast<int>(InstantReplay::kMaxFrames) + 5);
  EXPECT_LE(replay.FramesKept(), 10u);
}

TEST(InstantReplayKeys, RStartsOnlyWithABallKeptAndTheFieldAtRest) {
  const MatchState waiting;
  MatchState runUp, flight, inBreak;
  runUp.RunUpStarted = true;
  flight.BallBowled = true;
  inBreak.InningsBreak = true;
  const struct {
    const MatchState& field;
    bool ballKept, plays;
  } cases[] = {{waiting, false, false},
               {waiting, true, true},
               {runUp, true, false},
               {flight, true, false},
               {inBreak, true, true}};
  for (const auto& c : cases) {
    InstantReplay replay;
    if (c.ballKept) KeepBall(replay, 3);
    EXPECT_TRUE(replay.KeyDown(82, c.field));  // R is never the game's
    EXPECT_EQ(replay.Playing(), c.plays);
  }
}
