#pragma once
// A fingerprint of the whole match state, exchanged after each ball: two
// machines that played the same inputs hold the same state, so a different
// hash means the two games disagree.

#include <cstdint>

struct MatchState;

namespace net {

std::uint64_t StateHash(const MatchState& s);

}  // namespace net
