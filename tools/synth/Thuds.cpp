#include "synth/Thuds.h"

#include "synth/Envelope.h"
#include "synth/Filter.h"
#include "synth/Modes.h"

namespace synth {

namespace {

// Filtered noise cut by a hit envelope.
Signal NoiseHit(Noise& noise, Biquad filter, std::size_t samples, double attack, double decay) {
  Signal s = filter.Run(noise.WhiteBurst(samples));
  Shape(s, Hit(samples, attack, decay));
  return s;
}

}  // namespace

// A spiked boot coming down on grass: a low thump of the heel, the scuff of
// the sole and a little crunch of grass.
Signal MakeFootstep(Noise& noise) {
  Signal s = Strike({{85, 0.030, 1.0}, {170, 0.016, 0.45}}, 0.14);
  const std::size_t n = s.size();
  MixInto(s, NoiseHit(noise, Biquad::LowPass(700, 0.7), n, 0.004, 0.025), 0, 1.6);
  MixInto(s, NoiseHit(noise, Biquad::HighPass(3000, 0.7), n, 0.002, 0.010), 0, 0.25);
  return s;
}

// Hard leather on hard, dry turf: a short "thock" with a click on top and a
// puff of dust after it.
Signal MakePitch(Noise& noise) {
  Signal s = Strike({{210, 0.024, 1.0}, {530, 0.015, 0.55}, {1350, 0.006, 0.35}}, 0.13);
  const std::size_t n = s.size();
  MixInto(s, NoiseHit(noise, Biquad::BandPass(2500, 1.2), n, 0.0005, 0.004), 0, 2.0);
  MixInto(s, NoiseHit(noise, Biquad::LowPass(2500, 0.7), n, 0.002, 0.030), 0, 0.25);
  return s;
}

// The ball into a padded leg guard: a muffled, hollow "whump" and the slap
// of its canvas.
Signal MakePads(Noise& noise) {
  Signal s = Strike({{120, 0.045, 1.0}, {245, 0.025, 0.45}}, 0.17);
  const std::size_t n = s.size();
  MixInto(s, NoiseHit(noise, Biquad::LowPass(500, 0.8), n, 0.003, 0.030), 0, 2.5);
  MixInto(s, NoiseHit(noise, Biquad::BandPass(900, 1.0), n, 0.001, 0.012), 0, 0.8);
  return s;
}

}  // namespace synth
