// One tick of the ball in flight. The ground point moves in a straight line at
// constant velocity; the drawn point sits above it by the ball's height. Before
// the ball pitches its height falls by BallClimb a tick; once it is under 2
// pixels the ball pitches, keeps two thirds of its rate and then hops: it rises
// at a rate that shrinks each tick, and is sent up again whenever it drops
// under 8 pixels.

#include "core/ball/BallFlight.h"

#include <cmath>

#include "core/model/MatchState.h"

namespace {
constexpr float kStoppedVY = 2;        // a ball stopped by the body rolls back down the screen
constexpr float kPitchingHeight = 2;   // the ball pitches below this height
constexpr float kBounceHeight = 8;     // a hopping ball is sent up again below this height
constexpr float kRateLostAtPitch = 3;  // the pitch takes a third of the rate
constexpr float kHopDecayTicks = 26;   // the hop rate falls by LaunchClimb / 26 a tick

// Whether the height, BallY - BallSpriteY, is below the bound.
bool LowerThan(const MatchState& s, float bound) {
  return s.BallY - bound < static_cast<float>(s.BallSpriteY);
}

// Before pitching: the height falls by BallClimb. Returns true when the ball pitches.
bool Descend(MatchState& s) {
  s.BallSpriteY = int16::Round(static_cast<float>(s.BallSpriteY) + s.BallClimb + s.BallVY);
  if (!LowerThan(s, kPitchingHeight)) return false;
  s.BallBounced = true;
  s.BallClimb = s.BallClimb - s.BallClimb / kRateLostAtPitch;
  return true;
}

// After pitching: the height rises by a rate that shrinks each tick.
void Hop(MatchState& s) {
  s.BallClimb = s.BallClimb - s.LaunchClimb / kHopDecayTicks;
  s.BallSpriteY = int16::Round(static_cast<float>(s.BallSpriteY) + s.BallVY - s.BallClimb);
  if (LowerThan(s, kBounceHeight)) s.BallClimb = std::fabs(s.BallClimb);
}
}  // namespace

void MoveBall(MatchState& s) {
  if (s.BallStopped) {
    s.BallVX = 0;
    s.BallVY = kStoppedVY;
  }
  s.BallX = s.BallX + s.BallVX;
  s.BallY = s.BallY + s.BallVY;
  s.BallSpriteX = int16::Round(s.BallX);
  // In the tick it pitches the ball already makes its first hop.
  if (!s.BallBounced && !Descend(s)) return;
  Hop(s);
}
