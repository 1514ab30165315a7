#pragma once

#include "core/model/Int16.h"

// Timer1: ticks every max(interval, 16) ms while enabled; interval 0 never ticks.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(i16 milliseconds) = 0;
  virtual i16 Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};
