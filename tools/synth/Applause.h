#pragma once
// Applause: a ripple for runs taken, a long warm round at the end of an innings.

#include "synth/Noise.h"

namespace synth {

Signal MakeApplause(Noise& noise);
Signal MakeEndApplause(Noise& noise);

}  // namespace synth
