#include "synth/Claps.h"

#include "synth/Envelope.h"
#include "synth/Filter.h"

namespace synth {

namespace {

constexpr double kClapSeconds = 0.03;

// One pair of hands: a short burst of noise in the band where its hollow rings.
Signal ClapSound(Noise& noise) {
  const std::size_t n = Samples(kClapSeconds);
  Signal s =
      Biquad::BandPass(noise.Between(900, 2300), noise.Between(1.2, 2.5)).Run(noise.WhiteBurst(n));
  Shape(s, Hit(n, 0.0007, noise.Between(0.004, 0.008)));
  return s;
}

// One clapper's claps over the whole span, a little uneven in time and force.
void Clapper(const ClapSpec& spec, Noise& noise, Signal& out) {
  const Signal clap = ClapSound(noise);
  const double period = 1.0 / noise.Between(spec.slowestHz, spec.fastestHz);
  for (double t = noise.Between(0, period); t < spec.seconds;
       t += period * noise.Between(0.88, 1.12))
    MixInto(out, clap, Samples(t), noise.Between(0.6, 1.0));
}

}  // namespace

Signal Claps(const ClapSpec& spec, Noise& noise) {
  Signal out(Samples(spec.seconds), 0.0);
  for (int c = 0; c < spec.clappers; ++c) Clapper(spec, noise, out);
  return out;
}

}  // namespace synth
