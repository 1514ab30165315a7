#include "core/batting/BatsmanMovement.h"

#include "core/model/MatchState.h"

namespace {

// The batsman walks the crease between these x's: Z moves him only while he
// stands right of kCreaseLeft, X only while left of kCreaseRight. The move that
// crosses a bound is made in full; the bound only stops the next one.
namespace crease {
constexpr i16 kCreaseLeft = 250;
constexpr i16 kCreaseRight = 350;
constexpr i16 kAcceleration = 3;  // pixels per tick, gained every tick a key is held
}  // namespace crease

}  // namespace

void MoveBatsman(MatchState& s) {
  using namespace crease;
  if (s.BatLeftHeld && !s.BatRightHeld) {
    if (s.BatsmanX > kCreaseLeft) {
      s.BatsmanVX = int16::Sub(s.BatsmanVX, kAcceleration);
      s.BatsmanX = int16::Add(s.BatsmanX, s.BatsmanVX);
    } else {
      s.BatsmanVX = 0;
    }
  } else if (s.BatRightHeld && !s.BatLeftHeld) {
    if (s.BatsmanX < kCreaseRight) {
      s.BatsmanVX = int16::Add(s.BatsmanVX, kAcceleration);
      s.BatsmanX = int16::Add(s.BatsmanX, s.BatsmanVX);
    } else {
      s.BatsmanVX = 0;
    }
  } else {
    s.BatsmanVX = 0;  // both keys or neither: he stands still
  }
}
