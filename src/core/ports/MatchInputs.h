#pragma once
// Everything a match takes from outside the core, told before the game acts
// on it: the state the last match left, the generator and the time of day at Begin, each timer
// tick, each key down and up, each lost surface, the window closed. The same panel and these
// inputs, in this order, play the same match again; the match journal hears them to keep the match
// as a script.

#include <cstdint>

#include "core/model/Int16.h"
#include "core/model/MatchState.h"

class MatchInputs {
 public:
  virtual ~MatchInputs() = default;
  // A match begins: the state the last match left, the generator's state and
  // the time of day it starts from.
  virtual void OnBegin(const MatchState& carried, std::uint64_t generator,
                       std::int64_t timeOfDay) = 0;
  virtual void OnTick() = 0;
  virtual void OnKey(bool down, i16 code) = 0;
  virtual void OnTileSetLost(i16 index) = 0;
  // The window's close box: the match is abandoned as by Escape.
  virtual void OnCloseRequested() = 0;
  // The match is over and its display gone, finished or not.
  virtual void OnMatchClosed() = 0;
};
