#pragma once
// The time of day, for reseeding the random generator.

#include <cstdint>

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t MillisecondsSinceMidnight() const = 0;
};
