#include "core/computer/ComputerBowler.h"

#include "core/bowling/PitchSpot.h"
#include "core/match/Match.h"

namespace {

// Pace of the computer's next ball: 0 fast, 1 fast/medium, 2 slow, then fast again.
constexpr i16 kPaceCount = 3;
// Moves on from the current pace when draw(8) + pace beats this: a chance of
// 1/8 from fast, 2/8 from fast/medium, 3/8 from slow.
constexpr int kPaceChangeAbove = 7;
// One run-up tick in this many fixes the pitch spot where the cursor stands.
constexpr int kSpotChance = 40;

// The aim wanders 2, 1, 0 or -1 pixels sideways (half a pixel to the right on
// average) and walks 2 pixels a tick up the pitch towards the batsman.
void WalkCursor(Match& g) {
  MatchState& s = g.S;
  s.BowlCursorX = int16::Add(s.BowlCursorX, static_cast<i16>(3 - g.Rnd.Draw(4)));
  s.BowlCursorY = int16::Sub(s.BowlCursorY, 2);
}

void MaybeChangePace(Match& g) {
  MatchState& s = g.S;
  if (g.Rnd.Draw(8) + s.BallPace > kPaceChangeAbove) s.BallPace = int16::Add(s.BallPace, 1);
  if (s.BallPace == kPaceCount) s.BallPace = 0;
}

}  // namespace

// One run-up tick of the computer bowler. The length of the ball depends on the
// tick at which the spot gets fixed; if it never does, the release fixes it.
void CpuBowl(Match& g) {
  WalkCursor(g);
  MaybeChangePace(g);
  if (g.Rnd.Draw(kSpotChance) == kSpotChance) StartRunUpOrChooseSpot(g);
}
