#include "synth/Level.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {

constexpr double kKneeBelowCeilingDb = 6.0;
constexpr double kSilenceDb = -200.0;

std::vector<double> BlockPowers(const Signal& signal) {
  const std::size_t block = Samples(kBlockSeconds);
  std::vector<double> powers;
  for (std::size_t at = 0; at + block <= signal.size(); at += block) {
    double sum = 0;
    for (std::size_t i = at; i < at + block; ++i) sum += signal[i] * signal[i];
    powers.push_back(sum / block);
  }
  return powers;
}

}  // namespace

double DbToGain(double db) {
  return std::pow(10.0, db / 20.0);
}
double GainToDb(double gain) {
  return gain > 0 ? 20.0 * std::log10(gain) : kSilenceDb;
}

double GatedLoudnessDb(const Signal& signal) {
  const std::vector<double> powers = BlockPowers(signal);
  if (powers.empty()) return kSilenceDb;
  const double loudest = *std::max_element(powers.begin(), powers.end());
  const double gate = loudest * std::pow(10.0, -kGateBelowLoudestDb / 10.0);
  double sum = 0;
  int counted = 0;
  for (double p : powers) {
    if (p < gate) continue;
    sum += p;
    ++counted;
  }
  return counted > 0 && sum > 0 ? 10.0 * std::log10(sum / counted) : kSilenceDb;
}

double PeakDb(const Signal& signal) {
  double peak = 0;
  for (double x : signal) peak = std::max(peak, std::fabs(x));
  return GainToDb(peak);
}

void SetLoudness(Signal& signal, double db) {
  Scale(signal, DbToGain(db - GatedLoudnessDb(signal)));
}

Signal Leveled(Signal signal, double db) {
  SetLoudness(signal, db);
  return signal;
}

void SoftLimit(Signal& signal, double ceilingDb) {
  const double ceiling = DbToGain(ceilingDb);
  const double knee = DbToGain(ceilingDb - kKneeBelowCeilingDb);
  const double room = ceiling - knee;
  for (double& x : signal) {
    const double a = std::fabs(x);
    if (a <= knee) continue;
    x = std::copysign(knee + room * std::tanh((a - knee) / room), x);
  }
}

}  // namespace synth
