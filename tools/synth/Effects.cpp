#include "synth/Effects.h"

#include <array>

#include "synth/Applause.h"
#include "synth/Bat.h"
#include "synth/Crowd.h"
#include "synth/Envelope.h"
#include "synth/Level.h"
#include "synth/Stumps.h"
#include "synth/Swish.h"
#include "synth/Thuds.h"
#include "synth/Wav.h"

namespace synth {

namespace {

using E = SoundEffect;

// The match's small sounds sit a little under the target and the crowd's
// big moments a little over it; the bat's crack and the cheer are the loudest.
//   effect      make            seed     level (dB)
constexpr std::array<EffectPlan, kSoundEffectCount> kPlans = {{
    {E::Footstep, MakeFootstep, 0x0F007, -2.5},
    {E::Release, MakeRelease, 0x0BA11, -2.5},
    {E::Pitch, MakePitch, 0x0D057, -1.0},
    {E::BatCrack, MakeBatCrack, 0x0C4AC, 1.5},
    {E::BatKnock, MakeBatKnock, 0x0B10C, -1.0},
    {E::Pads, MakePads, 0x0BAD5, -1.0},
    {E::Stumps, MakeStumps, 0x05707, 1.5},
    {E::CrowdRoar, MakeCrowdRoar, 0x04444, 1.0},
    {E::Applause, MakeApplause, 0x00123, -2.0},
    {E::Ooh, MakeOoh, 0x00400, -1.0},
    {E::Cheer, MakeCheer, 0x0FA11, 2.0},
    {E::EndApplause, MakeEndApplause, 0x0E1D5, 0.0},
}};

constexpr bool PlansInOrder() {
  for (std::size_t i = 0; i < kPlans.size(); ++i)
    if (SoundEffectIndex(kPlans[i].effect) != i) return false;
  return true;
}
static_assert(PlansInOrder(), "kPlans must follow the order of SoundEffect");

constexpr double kFadeIn = 0.0005, kFadeOut = 0.01;
constexpr int kLevelPasses = 3;  // the limiter takes a little off; set the level again

}  // namespace

const EffectPlan& PlanFor(SoundEffect effect) {
  return kPlans[SoundEffectIndex(effect)];
}

std::vector<std::int16_t> Render(SoundEffect effect) {
  const EffectPlan& plan = PlanFor(effect);
  Noise noise(plan.seed);
  Signal s = plan.make(noise);
  FadeEdges(s, kFadeIn, kFadeOut);
  for (int pass = 0; pass < kLevelPasses; ++pass) {
    SetLoudness(s, loudness::kTargetDb + plan.levelDb);
    SoftLimit(s, loudness::kLimiterCeilingDb);
  }
  return ToPcm16(s);
}

std::vector<std::uint8_t> RenderWav(SoundEffect effect) {
  return EncodeWav(Render(effect), kSampleRate);
}

}  // namespace synth
