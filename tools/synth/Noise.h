#pragma once
// The synthesizer's own noise: a small counter-based generator (SplitMix64)
// seeded per effect, so every run writes the same samples on every machine.
// No library distributions, no clock.

#include <cstdint>

#include "synth/Signal.h"

namespace synth {

class Noise {
 public:
  explicit Noise(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next();
  double Uniform();                                 // 0 <= x < 1
  double White() { return 2.0 * Uniform() - 1.0; }  // -1 <= x < 1
  double Between(double low, double high) { return low + (high - low) * Uniform(); }
  Signal WhiteBurst(std::size_t samples);

 private:
  std::uint64_t state_;
};

}  // namespace synth
