#pragma once
// The time of day from the desktop's clock, for seeding the random generator.

#include "core/ports/Ports.h"

class QtClock : public Clock {
 public:
  std::int64_t MillisecondsSinceMidnight() const override;
};
