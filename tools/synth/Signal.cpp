#include "synth/Signal.h"

#include <algorithm>
#include <cmath>

namespace synth {

std::size_t Samples(double seconds) {
  return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

double TimeOf(std::size_t i) {
  return static_cast<double>(i) / kSampleRate;
}

void MixInto(Signal& into, const Signal& from, std::size_t at, double gain) {
  if (at >= into.size()) return;
  const std::size_t n = std::min(from.size(), into.size() - at);
  for (std::size_t i = 0; i < n; ++i) into[at + i] += gain * from[i];
}

void Scale(Signal& signal, double gain) {
  for (double& x : signal) x *= gain;
}

void Shape(Signal& signal, const Signal& envelope) {
  for (std::size_t i = 0; i < signal.size(); ++i) signal[i] *= envelope[i];
}

}  // namespace synth
