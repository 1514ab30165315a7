#include "core/bowling/CursorSweep.h"

#include "core/model/FieldGeometry.h"
#include "core/model/MatchState.h"

namespace {

// The "Simulation" cursor stays inside the band kBandLeft+1 .. kBandRight-1;
// leaving it stops the cursor at the edge it crossed.
namespace sweep {
constexpr i16 kBandLeft = field::CursorLeft;
constexpr i16 kBandRight = field::CursorRight;
constexpr i16 kSteer = 2;     // velocity change per tick an arrow key is held
constexpr i16 kMaxSpeed = 6;  // an arrow key only adds while the speed is below this
}  // namespace sweep

}  // namespace

void SweepBowlCursor(MatchState& s) {
  using namespace sweep;
  // Left is tested first; Right then sees the velocity Left has left behind.
  i16 v = s.CursorVX;
  if (s.LeftHeld && v > -kMaxSpeed) {
    v = int16::Sub(v, kSteer);
    s.CursorVX = v;
  }
  if (s.RightHeld && v < kMaxSpeed) {
    v = int16::Add(v, kSteer);
    s.CursorVX = v;
  }
  // No damping: the cursor drifts until a key changes its speed or it leaves
  // the band, where it is put back at the edge and stops.
  if (s.BowlCursorX > kBandLeft && s.BowlCursorX < kBandRight) {
    s.BowlCursorX = int16::Add(s.BowlCursorX, v);
  } else {
    s.CursorVX = 0;
    s.BowlCursorX =
        s.BowlCursorX >= kBandRight ? int16::Sub(kBandRight, 1) : int16::Add(kBandLeft, 1);
  }
  // The cursor runs down the pitch at the pace's step; nothing bounds it in y.
  s.BowlCursorY = int16::Add(s.BowlCursorY, s.CursorStep);
}
