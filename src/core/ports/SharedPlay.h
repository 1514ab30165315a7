#pragma once
// A match shared with a player on another machine. Both machines play the
// same ticks with the same inputs, so this machine's keys are not played when
// pressed: they are handed over, to be played a few ticks later on both, and
// before each tick the game asks for the keys of both players that belong to
// it. The time of day the match starts from is the host's, so both
// generators follow the same draws.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/Int16.h"

struct SharedKey {
  bool down = true;
  i16 code = 0;
};

class SharedPlay {
 public:
  virtual ~SharedPlay() = default;
  // A key of this machine's player: true when taken (the game does not play
  // it now); Escape is never taken.
  virtual bool TakeKey(SharedKey key) = 0;
  // Before a timer tick: both players' keys for it, in play order; nothing
  // when the other machine's have not come yet, and the tick waits.
  virtual std::optional<std::vector<SharedKey>> KeysForTick() = 0;
  // The time of day the match starts from (milliseconds since midnight).
  virtual std::int64_t TimeOfDay() const = 0;
  // The match has closed on this machine (Escape, the window closed, a message).
  virtual void MatchClosed() = 0;
  // The other machine's address, as the history keeps it.
  virtual std::string PeerAddress() const = 0;
};
