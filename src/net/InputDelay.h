#pragma once
// How many ticks ahead a machine stamps its keys: enough for them to cross
// the network (half the median round trip) and its jitter (the spread of the
// faster four fifths of the pings) before the other machine needs them, one
// tick more for the tick in hand, at least 1 and at most kLongestDelay (8
// ticks, 128 ms at 16 ms a tick: more would be felt).

#include <vector>

namespace net {

// `roundTripsMs`: the pings' round trips at connect; `tickMs`: the game's tick period.
int InputDelayFor(const std::vector<int>& roundTripsMs, int tickMs);

}  // namespace net
