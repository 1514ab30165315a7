#pragma once
// The last ball in words: what it was worth and why, from the events heard
// between its release and its end.

#include <optional>
#include <string>

#include "core/model/Events.h"

namespace commentary {

// What happened to one ball on its way, gathered event by event.
class BallRecord {
 public:
  // Takes note of ShotPlayed, ShotMissedWindow, BatHit, Pads and StumpsHit; ignores the rest.
  void Hear(const GameEvent& event);

  // "FOUR! — Drive, timing and line 9 against danger 2: clean hit", from the ball's end.
  std::string Line(const GameEvent& scored) const;

 private:
  struct Shot {
    int code, timingLine, danger;
    Outcome earned;  // the outcome the shot earned
  };
  std::string Result(const GameEvent& scored) const;
  std::string Why(const GameEvent& scored) const;

  std::optional<Shot> shot_;         // a shot played in the hitting window
  std::optional<bool> missedEarly_;  // the last shot key outside it: early or late
  bool batHit_ = false;
  bool pads_ = false;
  bool stumps_ = false;
};

}  // namespace commentary
