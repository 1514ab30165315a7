#include "synth/Stumps.h"

#include "synth/Envelope.h"
#include "synth/Filter.h"
#include "synth/Modes.h"

namespace synth {

namespace {

constexpr double kSeconds = 0.6;
constexpr int kKnocks = 6;  // the stumps striking each other and the ground
constexpr int kBails = 5;   // light clicks of the two bails

// The ball into ash: a hard, woody strike with a click.
Signal Impact(Noise& noise) {
  Signal s =
      Strike({{880, 0.030, 1.0}, {1620, 0.020, 0.7}, {2450, 0.012, 0.5}, {3350, 0.008, 0.3}}, 0.12);
  const std::size_t n = Samples(0.02);
  Signal click = Biquad::HighPass(1800, 0.7).Run(noise.WhiteBurst(n));
  Shape(click, Hit(n, 0.0003, 0.003));
  MixInto(s, click, 0, 1.5);
  return s;
}

// One stump knocking another: a smaller strike, its pitch a little different each time.
Signal Knock(Noise& noise) {
  const double base = noise.Between(520, 1100);
  return Strike({{base, 0.022, 1.0}, {base * 1.83, 0.014, 0.6}, {base * 2.9, 0.008, 0.3}}, 0.08);
}

// A bail: tiny and light, so high and very short.
Signal Bail(Noise& noise) {
  const double base = noise.Between(3000, 4200);
  return Strike({{base, 0.005, 1.0}, {base * 1.6, 0.003, 0.5}}, 0.03);
}

}  // namespace

Signal MakeStumps(Noise& noise) {
  Signal s(Samples(kSeconds), 0.0);
  MixInto(s, Impact(noise), 0, 1.0);
  double at = 0.03;
  for (int k = 0; k < kKnocks; ++k) {  // the knocks thin out and fade as the stumps settle
    MixInto(s, Knock(noise), Samples(at), 0.75 - 0.1 * k);
    at += noise.Between(0.03, 0.05) * (1 + 0.4 * k);
  }
  for (int b = 0; b < kBails; ++b)
    MixInto(s, Bail(noise), Samples(noise.Between(0.01, 0.32)), noise.Between(0.25, 0.45));
  return s;
}

}  // namespace synth
