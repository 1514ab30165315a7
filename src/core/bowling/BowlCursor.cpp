// The bowling cursor glides: a held arrow key adds CursorAccel to its velocity
// each tick while the speed on that axis is under 4, and a released key leaves
// the velocity as it is. The cursor stops only at the edge of its area
// (x 181..379, y 151..279); since the edge is tested before the move, it may
// overshoot by one tick's velocity and is put back on the edge the tick after.

#include "core/bowling/BowlCursor.h"

#include "core/match/Match.h"
#include "core/model/FieldGeometry.h"

namespace {
constexpr i16 kSpeedLimit = 4;  // velocity is only changed while its size is under this
constexpr i16 kMaxAccel = 5;    // "Normal": a fresh step from 1 to 5 each tick

struct Area {
  i16 low, high;  // the cursor moves while strictly between these
};
constexpr Area kAreaX{field::CursorLeft, field::CursorRight};
constexpr Area kAreaY{field::CursorTop, field::CursorBottom};

void Steer(bool lowerHeld, bool higherHeld, i16 accel, i16& velocity) {
  if (lowerHeld && velocity > -kSpeedLimit) velocity = int16::Sub(velocity, accel);
  if (higherHeld && velocity < kSpeedLimit) velocity = int16::Add(velocity, accel);
}

void Glide(Area area, i16& position, i16& velocity) {
  if (position > area.low && position < area.high) {
    position = int16::Add(position, velocity);
    return;
  }
  velocity = 0;
  if (position >= area.high) position = int16::Sub(area.high, 1);
  if (position <= area.low) position = int16::Add(area.low, 1);
}
}  // namespace

void MoveBowlCursor(Match& g) {
  MatchState& s = g.S;
  // Every tick's later chances (pitch spot, computer bowler, shot) follow from the time of day.
  g.Rnd.Reseed(g.TimeOfDay());
  if (g.Options.Bowling() == BowlingDifficulty::Normal)
    s.CursorAccel = static_cast<i16>(g.Rnd.Draw(kMaxAccel));
  Steer(s.LeftHeld, s.RightHeld, s.CursorAccel, s.CursorVX);
  Steer(s.UpHeld, s.DownHeld, s.CursorAccel, s.CursorVY);
  Glide(kAreaX, s.BowlCursorX, s.CursorVX);
  Glide(kAreaY, s.BowlCursorY, s.CursorVY);
}
