#include "net/InputDelay.h"

#include <algorithm>

#include "net/Protocol.h"

namespace net {

int InputDelayFor(const std::vector<int>& roundTripsMs, int tickMs) {
  if (roundTripsMs.empty() || tickMs <= 0) return kLongestDelay;
  std::vector<int> sorted = roundTripsMs;
  std::sort(sorted.begin(), sorted.end());
  const int median = sorted[sorted.size() / 2];
  // The spread of all but the slowest fifth: one ping held up while a game
  // was still starting says little about the network.
  const int jitter = sorted[(sorted.size() - 1) * 4 / 5] - sorted.front();
  const int needMs = median / 2 + jitter;
  const int ticks = (needMs + tickMs - 1) / tickMs + 1;
  return std::clamp(ticks, 1, kLongestDelay);
}

}  // namespace net
