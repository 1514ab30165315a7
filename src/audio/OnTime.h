#pragma once
// Every effect is heard a fixed time after the game asks for it, so the
// bowler's footfalls keep step with his pictures. OpenAL mixes a period at a
// time (about 12 ms) and keeps a few periods ahead of the loudspeaker; how far
// ahead swings by a period as its buffer drains and is topped up, so an effect
// started at once would be heard up to a period sooner or later than the one
// before. Instead each effect waits behind a short silence that makes up the
// difference, and all of them are heard kHeardAfter after they were asked for.

#include <chrono>
#include <cstdint>

inline constexpr std::chrono::milliseconds kHeardAfter{40};
inline constexpr int kLongestLeadInMs = static_cast<int>(kHeardAfter.count());

// The silence, in whole milliseconds, before an effect started now, when a
// sample mixed next takes `latencyNs` to reach the loudspeaker: none when the
// mix runs as far ahead as kHeardAfter already, or does not say how far.
int LeadInMs(std::int64_t latencyNs);
