#pragma once
// What the rules ask of the world beyond the match itself, in the middle of a
// tick or a key: Tab's slow motion changes the timer's pace, the bowling cursor
// reseeds the generator from the time of day, and the last ball of the match
// puts the result up. The game carries these out at once, in that order.

#include <cstdint>
#include <string>

#include "core/model/Int16.h"

class MatchEffects {
 public:
  virtual ~MatchEffects() = default;
  virtual void SetTickInterval(i16 milliseconds) = 0;
  virtual std::int64_t TimeOfDay() const = 0;  // milliseconds since midnight
  // Hides the options panel and shows the result dialog with this line.
  virtual void ShowResult(const std::string& line) = 0;
};
