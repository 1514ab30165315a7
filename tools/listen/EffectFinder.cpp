#include "EffectFinder.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "Correlation.h"
#include "audio/WavFile.h"

namespace listening {

namespace {

constexpr int kPasses = 3;
constexpr int kQuarters = 4;

struct Placement {
  const std::vector<float>* wave = nullptr;
  long start = 0;
  double gain = 0;  // 0: not placed
};

long Length(const Placement& p) {
  return static_cast<long>(p.wave->size());
}

double Dot(const float* a, const float* b, std::size_t n) {
  return std::inner_product(a, a + n, b, 0.0);
}

// The recording from `lo` to `hi` with every placed effect but `skip` taken
// out; silence past its end.
std::vector<float> Residual(const std::vector<float>& recording,
                            const std::vector<Placement>& placed, std::size_t skip, long lo,
                            long hi) {
  std::vector<float> r(static_cast<std::size_t>(hi - lo), 0.0F);
  const long end = std::min(hi, static_cast<long>(recording.size()));
  if (end > lo) std::copy(recording.begin() + lo, recording.begin() + end, r.begin());
  for (std::size_t j = 0; j < placed.size(); ++j) {
    const Placement& p = placed[j];
    if (j == skip || p.gain == 0) continue;
    for (long k = std::max(p.start, lo); k < std::min(p.start + Length(p), hi); ++k)
      r[static_cast<std::size_t>(k - lo)] -=
          static_cast<float>(p.gain) * (*p.wave)[static_cast<std::size_t>(k - p.start)];
  }
  return r;
}

// Places effect i where it fits best within its search, the others taken out.
void Place(const std::vector<float>& recording, std::vector<Placement>& placed, std::size_t i,
           long lo, long hi) {
  Placement& p = placed[i];
  lo = std::max(lo, 0L);
  hi += Length(p);
  p.gain = 0;
  if (lo >= static_cast<long>(recording.size()) || hi - lo < Length(p) || p.wave->empty()) return;
  const std::vector<double> c = CrossCorrelate(*p.wave, Residual(recording, placed, i, lo, hi));
  const auto best = std::max_element(c.begin(), c.end());
  const double energy = Dot(p.wave->data(), p.wave->data(), p.wave->size());
  if (*best <= 0 || energy == 0) return;
  p.start = lo + (best - c.begin());
  p.gain = *best / energy;
}

// The gain of each quarter of the effect's energy, against the whole's.
double Weakest(const std::vector<float>& x, const std::vector<float>& r, double gain) {
  const double energy = Dot(x.data(), x.data(), x.size());
  double weakest = 1e9, done = 0, xx = 0, xr = 0;
  int quarter = 1;
  for (std::size_t k = 0; k < x.size(); ++k) {
    const double e = static_cast<double>(x[k]) * x[k];
    done += e;
    xx += e;
    xr += static_cast<double>(x[k]) * r[k];
    if (quarter < kQuarters && done >= energy * quarter / kQuarters) {
      weakest = std::min(weakest, xr / xx / gain);
      xx = xr = 0;
      ++quarter;
    }
  }
  return xx > 0 ? std::min(weakest, xr / xx / gain) : weakest;
}

Heard Judge(const std::vector<float>& recording, const std::vector<Placement>& placed,
            std::size_t i, double askedIndex) {
  const Placement& p = placed[i];
  if (p.gain == 0) return {};
  const std::vector<float> r = Residual(recording, placed, i, p.start, p.start + Length(p));
  const std::vector<float>& x = *p.wave;
  const double xx = Dot(x.data(), x.data(), x.size()), rr = Dot(r.data(), r.data(), r.size());
  const double match = Dot(x.data(), r.data(), x.size()) / std::sqrt(xx * rr);
  return {true, (static_cast<double>(p.start) - askedIndex) / kRecordingRate, p.gain, match,
          Weakest(x, r, p.gain)};
}

}  // namespace

Waveforms LoadWaveforms(const std::string& soundFolder) {
  Waveforms waves;
  for (const SoundEffectInfo& info : kSoundEffects) {
    const auto sound = ReadWav(soundFolder + "/" + std::string(info.file));
    if (!sound || sound->channels != 1 || sound->rate != kRecordingRate) continue;
    auto& wave = waves[SoundEffectIndex(info.effect)];
    for (std::int16_t s : sound->samples) wave.push_back(s / 32768.0F);
  }
  return waves;
}

std::vector<Heard> FindEffects(const Recording& recording, const std::vector<Asked>& asked,
                               const Waveforms& sounds, Search search) {
  std::vector<Placement> placed;
  for (const Asked& a : asked) placed.push_back({&sounds[SoundEffectIndex(a.effect)]});
  for (int pass = 0; pass < kPasses; ++pass)
    for (std::size_t i = 0; i < asked.size(); ++i)
      Place(recording.samples, placed, i, std::lround(recording.IndexAt(asked[i].at + search.from)),
            std::lround(recording.IndexAt(asked[i].at + search.to)));
  std::vector<Heard> heard;
  for (std::size_t i = 0; i < asked.size(); ++i)
    heard.push_back(Judge(recording.samples, placed, i, recording.IndexAt(asked[i].at)));
  return heard;
}

}  // namespace listening
