#pragma once
// A struck body (willow, ash stumps, leather, turf) rings at a few frequencies
// of its own, each dying away at its own rate: its modes.

#include <vector>

#include "synth/Signal.h"

namespace synth {

struct Mode {
  double hz;     // the mode's frequency
  double decay;  // its time constant, seconds
  double gain;
};

// The body's ring after one sharp blow, `seconds` long.
Signal Strike(const std::vector<Mode>& modes, double seconds);

}  // namespace synth
