#pragma once

#include "core/model/Int16.h"

// The tick timer: ticks every max(interval, 16) ms while enabled; interval 0 never ticks.
// 16 ms is about 60 ticks a second, the pace the game is made for.
inline constexpr int kShortestPeriodMs = 16;

// The period the timer runs at for `interval`, or 0 for no ticks.
constexpr int TimerPeriodMs(i16 interval) {
  if (interval <= 0) return 0;
  return interval < kShortestPeriodMs ? kShortestPeriodMs : interval;
}

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(i16 milliseconds) = 0;
  virtual i16 Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};
