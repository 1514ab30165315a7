#include "synth/Bat.h"

#include "synth/Envelope.h"
#include "synth/Filter.h"
#include "synth/Modes.h"

namespace synth {

// Off the middle the whole blade rings: bright, high modes that die within a
// few hundredths of a second, on top of a sharp click of the impact.
Signal MakeBatCrack(Noise& noise) {
  Signal s = Strike({{430, 0.022, 0.45},
                     {1150, 0.020, 1.0},
                     {1790, 0.016, 0.85},
                     {2650, 0.012, 0.65},
                     {3900, 0.008, 0.45},
                     {5300, 0.005, 0.30}},
                    0.15);
  const std::size_t n = s.size();
  Signal click = Biquad::HighPass(2000, 0.7).Run(noise.WhiteBurst(n));
  Shape(click, Hit(n, 0.0003, 0.003));
  MixInto(s, click, 0, 2.0);
  Signal grain = Biquad::BandPass(2200, 0.8).Run(noise.WhiteBurst(n));  // the wood's grain
  Shape(grain, Hit(n, 0.0005, 0.012));
  MixInto(s, grain, 0, 1.2);
  return s;
}

// A dead bat or the edge: lower, shorter modes and a blunter blow, the highs
// taken off.
Signal MakeBatKnock(Noise& noise) {
  Signal s =
      Strike({{310, 0.020, 0.8}, {640, 0.015, 1.0}, {990, 0.010, 0.6}, {1520, 0.006, 0.3}}, 0.12);
  const std::size_t n = Samples(0.02);
  Signal thump = Biquad::LowPass(1400, 0.7).Run(noise.WhiteBurst(n));
  Shape(thump, Hit(n, 0.001, 0.006));
  MixInto(s, thump, 0, 1.2);
  Shape(s, Hit(s.size(), 0.0015, 1.0));
  return Biquad::LowPass(2500, 0.7).Run(s);
}

}  // namespace synth
