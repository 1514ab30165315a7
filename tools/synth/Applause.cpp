#include "synth/Applause.h"

#include "synth/Claps.h"
#include "synth/Envelope.h"
#include "synth/Level.h"
#include "synth/Voices.h"

namespace synth {

namespace {

// Clapping over a low murmur of approving voices, `murmurDb` below the hands.
Signal Round(const ClapSpec& claps, double murmurDb, const Signal& swell, Noise& noise) {
  Signal s = Leveled(Claps(claps, noise), 0.0);
  const ChorusSpec murmur{16, 95, 200, vowel::kOo, vowel::kAh, 1.0, 0.4};
  MixInto(s, Leveled(Chorus(murmur, swell, noise), murmurDb), 0, 1.0);
  Shape(s, swell);
  return s;
}

}  // namespace

// Runs taken: a polite ripple and a murmur, soon over.
Signal MakeApplause(Noise& noise) {
  const ClapSpec claps{22, 1.9, 3.5, 5.5};
  return Round(claps, -8.0, Swell(Samples(claps.seconds), 0.3, 0.3), noise);
}

// The end of an innings: the whole ground applauding, holding on, then dying away.
Signal MakeEndApplause(Noise& noise) {
  const ClapSpec claps{60, 2.9, 3.0, 6.0};
  return Round(claps, -10.0, Swell(Samples(claps.seconds), 0.45, 1.3), noise);
}

}  // namespace synth
