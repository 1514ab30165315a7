// The release: the ball leaves the bowler's hand 170 pixels above the ground
// point (250, 330) and heads for the pitch spot at a speed set by the pace. Its
// height falls at the rate that brings it to the ground just as the ground
// point reaches the spot, so a shorter ball comes down more steeply.

#include "core/ball/Launch.h"

#include <cmath>

#include "core/model/FieldGeometry.h"
#include "core/model/MatchState.h"

namespace {
constexpr i16 kFastestPaceBase = 5;  // speed = (5 - pace) * 2: 10, 8 or 6 pixels a tick
constexpr float kReleaseHeight = field::ReleaseHeight;

// The ground distance from the release point to the pitch spot, in pixels.
float DistanceToSpot(const MatchState& s) {
  const float dx = s.BallX - static_cast<float>(s.PitchX);
  const float dy = s.BallY - static_cast<float>(s.PitchY);
  const double squared = static_cast<double>(dx) * dx + static_cast<double>(dy) * dy;
  return static_cast<float>(std::sqrt(squared));
}
}  // namespace

void LaunchBall(MatchState& s) {
  const i16 speed = int16::Mul(int16::Sub(kFastestPaceBase, s.DeliveryPace), 2);
  // A spot straight up the pitch would make the line vertical; nudge the ball aside.
  if (s.BallX == static_cast<float>(s.PitchX)) s.BallX += 1;

  const float rise = s.BallY - static_cast<float>(s.PitchY);
  const float run = s.BallX - static_cast<float>(s.PitchX);
  s.BallAngle = static_cast<float>(std::atan(static_cast<double>(rise / run)));
  s.BallVX = static_cast<float>(std::cos(static_cast<double>(s.BallAngle)) * speed);
  s.BallVY = static_cast<float>(std::sin(static_cast<double>(s.BallAngle)) * speed);
  // The arctangent only knows the line, not the direction: the ball goes up the screen.
  if (s.BallVY > 0) {
    s.BallVX = -s.BallVX;
    s.BallVY = -s.BallVY;
  }

  const float fallPerPixel = kReleaseHeight / DistanceToSpot(s);
  s.BallClimb = fallPerPixel * static_cast<float>(speed);
  s.LaunchClimb = s.BallClimb;
}
