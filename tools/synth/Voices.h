#pragma once
// Many voices at once: the crowd's "ooh", "aah" and "yeah". Each voice is a
// buzz of harmonics at its own pitch, weighted by the resonances of the mouth
// (formants) that make the vowel; the voices start a little apart and waver a
// little, as a crowd does.

#include <array>

#include "synth/Noise.h"

namespace synth {

struct Formant {
  double hz, width, gain;
};
using Vowel = std::array<Formant, 3>;

namespace vowel {
inline constexpr Vowel kOo = {{{330, 90, 1.0}, {800, 110, 0.5}, {2400, 160, 0.08}}};
inline constexpr Vowel kAh = {{{750, 110, 1.0}, {1200, 130, 0.7}, {2600, 170, 0.25}}};
inline constexpr Vowel kEh = {{{560, 100, 1.0}, {1850, 140, 0.8}, {2650, 170, 0.45}}};
inline constexpr Vowel kAy = {{{620, 100, 0.9}, {2100, 150, 1.0}, {2950, 180, 0.6}}};
}  // namespace vowel

struct ChorusSpec {
  int voices;
  double lowestHz, highestHz;  // the spread of the voices' pitches
  Vowel from, to;              // the vowel morphs from one to the other along the contour
  double bendSemitones;        // how far every voice rises at the top of the contour
  double scatter;              // seconds over which the voices join in
};

// The chorus, as long as the contour; the contour (0..1) drives the pitch
// bend and the vowel morph, not the loudness.
Signal Chorus(const ChorusSpec& spec, const Signal& contour, Noise& noise);

// Breath and shouting: noise through the vowel's formants.
Signal VowelNoise(const Vowel& vowel, std::size_t samples, Noise& noise);

}  // namespace synth
