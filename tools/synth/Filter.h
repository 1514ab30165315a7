#pragma once
// Second-order filters (the usual audio biquads) for shaping noise.

#include "synth/Signal.h"

namespace synth {

class Biquad {
 public:
  static Biquad LowPass(double hz, double q);
  static Biquad HighPass(double hz, double q);
  static Biquad BandPass(double hz, double q);  // 0 dB at the centre

  // Takes another filter's tuning and keeps its own memory: a sweep, retuned
  // every few samples, runs on without a click.
  void Retune(const Biquad& other);

  double Step(double x);
  Signal Run(const Signal& in);

 private:
  Biquad(double b0, double b1, double b2, double a0, double a1, double a2);
  double b0_, b1_, b2_, a1_, a2_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace synth
