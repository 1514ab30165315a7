#pragma once
// The bowling arm coming over and the ball leaving the hand.

#include "synth/Noise.h"

namespace synth {

Signal MakeRelease(Noise& noise);

}  // namespace synth
