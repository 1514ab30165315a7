#pragma once
// Every effect of the game, as the synthesizer makes it: how, how loud, and
// its seed; and the finished file.

#include <cstdint>
#include <vector>

#include "core/model/SoundEffect.h"
#include "synth/Noise.h"

namespace synth {

// Loudness is the gated RMS of Level.h. Every effect sits within kSpreadDb of
// the target; its own level nudges it up or down (footfalls under a cheer).
namespace loudness {
inline constexpr double kTargetDb = -20.0;
inline constexpr double kSpreadDb = 3.0;
inline constexpr double kPeakCeilingDb = -1.0;     // no sample louder
inline constexpr double kLimiterCeilingDb = -1.2;  // the limiter's, with room for rounding
}  // namespace loudness

struct EffectPlan {
  SoundEffect effect;
  Signal (*make)(Noise& noise);
  std::uint64_t seed;
  double levelDb;  // against the target
};

const EffectPlan& PlanFor(SoundEffect effect);

// The effect's samples, finished: at its level, peaks rounded off, edges faded.
std::vector<std::int16_t> Render(SoundEffect effect);

// The effect's WAV file, byte for byte.
std::vector<std::uint8_t> RenderWav(SoundEffect effect);

}  // namespace synth
