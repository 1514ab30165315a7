#pragma once
// Loudness over time: the shapes the effects are cut with.

#include "synth/Signal.h"

namespace synth {

// A hit: a straight rise over `attack` seconds, then an exponential fall with
// time constant `decay` seconds.
Signal Hit(std::size_t samples, double attack, double decay);

// A swell: a smooth (raised-cosine) rise to 1 at `peak` seconds, then a smooth
// fall that reaches 0 at the end. `hold` seconds at full level follow the peak.
Signal Swell(std::size_t samples, double peak, double hold = 0.0);

// Short linear fades at both ends, so no file starts or stops with a click.
void FadeEdges(Signal& signal, double fadeIn, double fadeOut);

}  // namespace synth
