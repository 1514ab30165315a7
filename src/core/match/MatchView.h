#pragma once
// The match as those who follow it see it (the commentary): where it stands,
// the options panel in the game's words, who bats and bowls, and whether the
// timer is stopped. Read-only: nothing here can change the match.

#include "core/match/Sides.h"
#include "core/model/MatchState.h"
#include "core/ports/Settings.h"
#include "core/ports/Timer.h"

class MatchView {
 public:
  MatchView(const MatchState& state, const Panel& panel, const Timer& timer)
      : state_(state), options_(panel), timer_(timer) {}

  const MatchState& State() const { return state_; }
  const Settings& Options() const { return options_; }
  InningsSides Sides() const { return SidesOf(options_.Game(), state_.FirstInnings); }
  // A Game Delay of 0: the timer does not tick at all until Tab is held.
  bool Paused() const { return TimerPeriodMs(timer_.Interval()) == 0; }

 private:
  const MatchState& state_;
  const Settings options_;
  const Timer& timer_;
};
