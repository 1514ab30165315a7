#pragma once
// The crowd's voice: the roar for a four, the "ooh" at a near miss, the cheer for a wicket.

#include "synth/Noise.h"

namespace synth {

Signal MakeCrowdRoar(Noise& noise);
Signal MakeOoh(Noise& noise);
Signal MakeCheer(Noise& noise);

}  // namespace synth
