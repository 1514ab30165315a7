#include "synth/Envelope.h"

#include <algorithm>
#include <cmath>

namespace synth {

Signal Hit(std::size_t samples, double attack, double decay) {
  Signal env(samples);
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = TimeOf(i);
    env[i] = t < attack ? t / attack : std::exp(-(t - attack) / decay);
  }
  return env;
}

namespace {
double RaisedCosine(double x) {
  return 0.5 - 0.5 * std::cos(kPi * std::clamp(x, 0.0, 1.0));
}
}  // namespace

Signal Swell(std::size_t samples, double peak, double hold) {
  Signal env(samples);
  const double end = TimeOf(samples);
  const double fallFrom = peak + hold;
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = TimeOf(i);
    if (t < peak)
      env[i] = RaisedCosine(t / peak);
    else if (t < fallFrom)
      env[i] = 1.0;
    else
      env[i] = 1.0 - RaisedCosine((t - fallFrom) / (end - fallFrom));
  }
  return env;
}

void FadeEdges(Signal& signal, double fadeIn, double fadeOut) {
  const std::size_t in = std::min(Samples(fadeIn), signal.size());
  const std::size_t out = std::min(Samples(fadeOut), signal.size());
  for (std::size_t i = 0; i < in; ++i) signal[i] *= static_cast<double>(i) / in;
  for (std::size_t i = 0; i < out; ++i)
    signal[signal.size() - 1 - i] *= static_cast<double>(i) / out;
}

}  // namespace synth
