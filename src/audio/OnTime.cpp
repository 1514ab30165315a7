#include "audio/OnTime.h"

#include <algorithm>

int LeadInMs(std::int64_t latencyNs) {
  if (latencyNs <= 0) return 0;
  constexpr std::int64_t kNsPerMs = 1'000'000;
  const std::int64_t wait = std::chrono::nanoseconds(kHeardAfter).count() - latencyNs;
  const auto ms = static_cast<int>((wait + kNsPerMs / 2) / kNsPerMs);
  return std::clamp(ms, 0, kLongestLeadInMs);
}
