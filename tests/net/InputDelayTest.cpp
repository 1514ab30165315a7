#include <gtest/gtest.h>

#include "net/InputDelay.h"

namespace net {
namespace {

TEST(InputDelay, CoversHalfTheRoundTripAndItsJitterAtSixtyTicksASecond) {
  const struct {
    std::vector<int> roundTrips;
    int ticks;
  } cases[] = {
      {{0, 0, 0, 0, 0}, 1},                           // the same machine
      {{50, 50, 50, 50, 50}, 3},                      // 25 ms one way: 2 ticks, and the one in hand
      {{100, 100, 100, 100}, 5},                      // 50 ms
      {{200, 200, 200, 200}, 8},                      // 100 ms: 7 ticks and one, the most there is
      {{20, 20, 20, 20, 20, 20, 20, 70, 70, 70}, 5},  // 10 ms one way and 50 of jitter
      {{20, 20, 20, 20, 20, 20, 20, 20, 20, 900}, 2},  // one ping held up by a busy game
      {{900, 900, 900}, 8},                            // never more than 8
      {{}, 8},                                         // nothing measured: the safest
  };
  for (const auto& c : cases)
    EXPECT_EQ(InputDelayFor(c.roundTrips, 16), c.ticks) << c.roundTrips.size();
}

}  // namespace
}  // namespace net
