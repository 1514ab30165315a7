#pragma once
// Bowled: the ball into the stumps, the stumps clattering and the bails flying.

#include "synth/Noise.h"

namespace synth {

Signal MakeStumps(Noise& noise);

}  // namespace synth
