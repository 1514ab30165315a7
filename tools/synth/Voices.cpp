#include "synth/Voices.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "synth/Filter.h"

namespace synth {

namespace {

constexpr double kTopHarmonicHz = 4500;
constexpr double kVibratoDepth = 0.006;                        // of the pitch
constexpr double kWobbleDepth = 0.35;                          // of the voice's loudness
constexpr double kJoinSeconds = 0.1;                           // a voice joins in over this long
constexpr double kSmallestMouth = 0.88, kLargestMouth = 1.18;  // formant scales

double Weight(const Vowel& vowel, double hz) {
  double w = 0;
  for (const Formant& f : vowel) {
    const double d = (hz - f.hz) / f.width;
    w += f.gain / (1 + d * d);
  }
  return w;
}

struct Voice {
  double hz, vibratoHz, vibratoPhase, gain;
  double wobbleHz, wobblePhase;  // each voice swells and fades on its own
  std::size_t onset;
  std::vector<double> from, to;  // each harmonic's strength in the two vowels
};

// A vowel in another mouth: men, women and children shout the same vowel
// with their resonances higher or lower.
Vowel InMouth(const Vowel& vowel, double scale) {
  Vowel v = vowel;
  for (Formant& f : v) f.hz *= scale;
  return v;
}

Voice MakeVoice(const ChorusSpec& spec, Noise& noise) {
  Voice v{noise.Between(spec.lowestHz, spec.highestHz),
          noise.Between(4, 6.5),
          noise.Between(0, 2 * kPi),
          noise.Between(0.5, 1.0),
          noise.Between(0.4, 1.6),
          noise.Between(0, 2 * kPi),
          Samples(noise.Between(0, spec.scatter)),
          {},
          {}};
  const double mouth = noise.Between(kSmallestMouth, kLargestMouth);
  const Vowel from = InMouth(spec.from, mouth), to = InMouth(spec.to, mouth);
  for (int k = 1; k * v.hz < kTopHarmonicHz; ++k) {
    v.from.push_back(Weight(from, k * v.hz) / k);
    v.to.push_back(Weight(to, k * v.hz) / k);
  }
  return v;
}

// The voice's pitch at sample i: its own, wavering, bent up along the contour.
double PitchAt(const Voice& v, const ChorusSpec& spec, double contour, std::size_t i) {
  const double vibrato =
      1 + kVibratoDepth * std::sin(2 * kPi * v.vibratoHz * TimeOf(i) + v.vibratoPhase);
  return v.hz * vibrato * std::exp2(spec.bendSemitones * contour / 12);
}

// The voice's loudness at sample i: its own swells, and a soft start when it joins.
double LoudnessAt(const Voice& v, std::size_t i) {
  const double wobble = 0.5 + 0.5 * std::sin(2 * kPi * v.wobbleHz * TimeOf(i) + v.wobblePhase);
  const double joining = std::min(1.0, TimeOf(i - v.onset) / kJoinSeconds);
  return v.gain * (1 - kWobbleDepth * wobble) * joining;
}

void Sing(const Voice& v, const ChorusSpec& spec, const Signal& contour, Signal& out) {
  double phase = 0;
  for (std::size_t i = v.onset; i < out.size(); ++i) {
    const double c = contour[i];
    phase = std::fmod(phase + 2 * kPi * PitchAt(v, spec, c, i) / kSampleRate, 2 * kPi);
    double x = 0;
    for (std::size_t k = 0; k < v.from.size(); ++k)
      x += (v.from[k] + (v.to[k] - v.from[k]) * c) * std::sin(static_cast<double>(k + 1) * phase);
    out[i] += LoudnessAt(v, i) * x;
  }
}

}  // namespace

Signal Chorus(const ChorusSpec& spec, const Signal& contour, Noise& noise) {
  Signal out(contour.size(), 0.0);
  for (int n = 0; n < spec.voices; ++n) Sing(MakeVoice(spec, noise), spec, contour, out);
  return out;
}

Signal VowelNoise(const Vowel& vowel, std::size_t samples, Noise& noise) {
  const Signal white = noise.WhiteBurst(samples);
  Signal out(samples, 0.0);
  for (const Formant& f : vowel)
    MixInto(out, Biquad::BandPass(f.hz, f.hz / f.width / 4).Run(white), 0, f.gain);
  return out;
}

}  // namespace synth
