#include "MatchBot.h"

#include "core/input/Keyboard.h"

namespace bench {

namespace {
constexpr i16 kPaceKeys[] = {key::kPad1, key::kPad2, key::kPad3};
constexpr i16 kShotKeys[] = {key::kN, key::kM, key::kK, key::kH, key::kJ};
}  // namespace

void MatchBot::Press(i16 code) {
  g_.Display_KeyDown(code, 0);
  g_.Display_KeyUp(code, 0);
}

void MatchBot::Step() {
  const MatchState& s = g_.S;
  if (s.InningsBreak) return Press(key::kSpace);
  const bool waiting = !s.RunUpStarted && !s.BallBowled;
  if (waiting && paceFor_ != balls_) {
    paceFor_ = balls_;
    return Press(kPaceKeys[balls_ % 3]);
  }
  if (waiting) {
    ++balls_;
    return Press(key::kPad5);
  }
  if (s.BallBowled && s.BallCounter == ShotTick() && shotFor_ != balls_) {
    shotFor_ = balls_;
    return Press(kShotKeys[balls_ % 5]);
  }
  ++ticks_;
  g_.Timer1_Timer();
}

}  // namespace bench
