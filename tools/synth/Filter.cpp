#include "synth/Filter.h"

#include <cmath>

namespace synth {

namespace {
struct Angle {
  double cosW, alpha;
};
Angle AngleOf(double hz, double q) {
  const double w = 2.0 * kPi * hz / kSampleRate;
  return {std::cos(w), std::sin(w) / (2.0 * q)};
}
}  // namespace

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

Biquad Biquad::LowPass(double hz, double q) {
  const auto [c, a] = AngleOf(hz, q);
  return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + a, -2 * c, 1 - a);
}

Biquad Biquad::HighPass(double hz, double q) {
  const auto [c, a] = AngleOf(hz, q);
  return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + a, -2 * c, 1 - a);
}

Biquad Biquad::BandPass(double hz, double q) {
  const auto [c, a] = AngleOf(hz, q);
  return Biquad(a, 0, -a, 1 + a, -2 * c, 1 - a);
}

void Biquad::Retune(const Biquad& other) {
  b0_ = other.b0_;
  b1_ = other.b1_;
  b2_ = other.b2_;
  a1_ = other.a1_;
  a2_ = other.a2_;
}

double Biquad::Step(double x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

Signal Biquad::Run(const Signal& in) {
  Signal out(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) out[i] = Step(in[i]);
  return out;
}

}  // namespace synth
