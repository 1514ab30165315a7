#include "synth/Crowd.h"

#include <cmath>

#include "synth/Claps.h"
#include "synth/Envelope.h"
#include "synth/Filter.h"
#include "synth/Level.h"
#include "synth/Voices.h"

namespace synth {

namespace {

// Parts are mixed at levels relative to the crowd's voices (0 dB).
struct CrowdMix {
  double noiseDb, clapsDb;
};

// The crowd's voices over their shout, clapping, all under one swell.
Signal Crowd(const ChorusSpec& chorus, const Vowel& shout, const Signal& swell, CrowdMix mix,
             Noise& noise) {
  const double seconds = TimeOf(swell.size());
  Signal s = Leveled(Chorus(chorus, swell, noise), 0.0);
  MixInto(s, Leveled(VowelNoise(shout, s.size(), noise), mix.noiseDb), 0, 1.0);
  Signal claps = Claps({30, seconds, 3.5, 6.0}, noise);
  Shape(claps, Swell(claps.size(), seconds * 0.45));  // the hands come in after the voices
  MixInto(s, Leveled(claps, mix.clapsDb), 0, 1.0);
  Shape(s, swell);
  return s;
}

// Someone in the stands whistling: a sliding, wavering tone.
Signal Whistle(Noise& noise, double seconds) {
  Signal s(Samples(seconds));
  const double base = noise.Between(1900, 2300);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = TimeOf(i) / seconds;
    const double hz =
        base * (1 + 0.25 * std::sin(kPi * t)) * (1 + 0.01 * std::sin(2 * kPi * 7 * TimeOf(i)));
    phase = std::fmod(phase + 2 * kPi * hz / kSampleRate, 2 * kPi);
    s[i] = std::sin(phase);
  }
  Shape(s, Swell(s.size(), seconds * 0.3));
  return s;
}

}  // namespace

// A four: a deep "aah" that rises quickly, holds and slowly dies, with
// clapping coming in under it.
Signal MakeCrowdRoar(Noise& noise) {
  const Signal swell = Swell(Samples(2.6), 0.35, 0.45);
  const ChorusSpec chorus{36, 110, 280, vowel::kAh, vowel::kAh, 2.0, 0.12};
  return Crowd(chorus, vowel::kAh, swell, {-3.0, -6.0}, noise);
}

// A near miss: the whole crowd's "ooh", rising in pitch and falling away.
Signal MakeOoh(Noise& noise) {
  const Signal swell = Swell(Samples(1.7), 0.35, 0.15);
  const ChorusSpec chorus{30, 100, 240, vowel::kOo, vowel::kOo, 3.0, 0.10};
  Signal s = Leveled(Chorus(chorus, swell, noise), 0.0);
  MixInto(s, Leveled(VowelNoise(vowel::kOo, s.size(), noise), -9.0), 0, 1.0);
  Shape(s, swell);
  return Biquad::LowPass(2200, 0.7).Run(s);
}

// A wicket: a higher, brighter "yeah!" that bursts out at once, clapping and
// a whistle or two.
Signal MakeCheer(Noise& noise) {
  const Signal swell = Swell(Samples(2.6), 0.18, 0.55);
  const ChorusSpec chorus{40, 150, 340, vowel::kEh, vowel::kAy, 4.0, 0.06};
  Signal s = Crowd(chorus, vowel::kAy, swell, {-2.0, -4.0}, noise);
  Signal hiss = Leveled(Biquad::HighPass(2500, 0.7).Run(noise.WhiteBurst(s.size())), -12.0);
  Shape(hiss, swell);  // the hiss of the shouting, for brightness
  MixInto(s, hiss, 0, 1.0);
  MixInto(s, Leveled(Whistle(noise, 0.45), -6.0), Samples(0.35), 1.0);
  MixInto(s, Leveled(Whistle(noise, 0.35), -9.0), Samples(1.05), 1.0);
  return s;
}

}  // namespace synth
