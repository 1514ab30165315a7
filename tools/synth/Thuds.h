#pragma once
// The soft impacts of the match: a boot on the turf, the ball on the pitch,
// the ball into the pads.

#include "synth/Noise.h"

namespace synth {

Signal MakeFootstep(Noise& noise);
Signal MakePitch(Noise& noise);
Signal MakePads(Noise& noise);

}  // namespace synth
