#include "core/model/Random.h"

#include <cmath>

namespace {
constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ull;

// splitmix64's finaliser: a strong mix of all 64 bits.
std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
}  // namespace

std::uint64_t Random::Next() {
  state_ += kGolden;
  return Mix(state_);
}

float Random::Rnd() {
  const auto bits24 = static_cast<std::uint32_t>(Next() >> 40);
  return static_cast<float>(bits24) / 16777216.0f;  // exact: k / 2^24
}

int Random::Draw(int n) {
  // r * n is exact in double for the n the game uses, so the floor never reaches n.
  const double r = Rnd();
  return static_cast<int>(std::floor(r * n + 1.0));
}

void Random::Reseed(std::int64_t millisecondsSinceMidnight) {
  state_ = Mix(state_ ^ (static_cast<std::uint64_t>(millisecondsSinceMidnight) * kGolden));
}
