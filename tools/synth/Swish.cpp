#include "synth/Swish.h"

#include <cmath>

#include "synth/Envelope.h"
#include "synth/Filter.h"

namespace synth {

namespace {

constexpr double kSeconds = 0.26;
constexpr std::size_t kRetuneEvery = 32;  // samples

// Air past the arm: noise through a band that rises in pitch as the arm speeds
// over the top and falls again as it follows through.
Signal Whoosh(Noise& noise) {
  const Signal white = noise.WhiteBurst(Samples(kSeconds));
  Biquad band = Biquad::BandPass(600, 1.6);
  Signal s(white.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (i % kRetuneEvery == 0) {
      const double hz = 600 + 1500 * std::sin(kPi * TimeOf(i) / kSeconds);
      band.Retune(Biquad::BandPass(hz, 1.6));
    }
    s[i] = band.Step(white[i]);
  }
  Shape(s, Swell(s.size(), 0.15));
  return s;
}

}  // namespace

// The swish, and the faint flick of the fingers as the ball goes.
Signal MakeRelease(Noise& noise) {
  Signal s = Whoosh(noise);
  constexpr double kFlickAt = 0.15;
  const std::size_t n = Samples(0.03);
  Signal flick = Biquad::BandPass(3200, 2.0).Run(noise.WhiteBurst(n));
  Shape(flick, Hit(n, 0.0005, 0.004));
  MixInto(s, flick, Samples(kFlickAt), 0.8);
  return s;
}

}  // namespace synth
