#pragma once
// Willow on leather: the crack off the middle and the knock of a block or an edge.

#include "synth/Noise.h"

namespace synth {

Signal MakeBatCrack(Noise& noise);
Signal MakeBatKnock(Noise& noise);

}  // namespace synth
