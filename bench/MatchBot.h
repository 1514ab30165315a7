#pragma once
// Both players of a "Human V Human" match, played from inside the match loop
// with no clock at all: each yield of the loop is one event. The bot picks a
// pace and bowls as soon as the last ball is over, plays a shot partway
// through each flight, ends the innings break, and otherwise lets the timer
// tick. The match runs until it is over, exactly as it would at the keyboard.

#include "core/game/Game.h"

namespace bench {

class MatchBot {
 public:
  explicit MatchBot(Game& game) : g_(game) {}

  void Step();  // one event of the match loop
  long Ticks() const { return ticks_; }

 private:
  void Press(i16 code);
  int ShotTick() const { return 14 + balls_ % 16; }

  Game& g_;
  long ticks_ = 0;
  int balls_ = 0;
  int paceFor_ = -1;  // the ball whose pace has been picked
  int shotFor_ = -1;  // the ball a shot has been played at
};

}  // namespace bench
