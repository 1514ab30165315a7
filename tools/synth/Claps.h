#pragma once
// Applause: many pairs of hands, each clapping at its own pace and pitch.

#include "synth/Noise.h"

namespace synth {

struct ClapSpec {
  int clappers;
  double seconds;
  double slowestHz, fastestHz;  // claps a second
};

Signal Claps(const ClapSpec& spec, Noise& noise);

}  // namespace synth
