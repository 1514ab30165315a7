#pragma once
// The sound effects of the match: the one list of them. The synthesizer writes
// one file per effect, the cue table picks them from the event stream and the
// player loads them by the file names here.

#include <array>
#include <cstddef>
#include <string_view>

enum class SoundEffect {
  Footstep,     // the bowler's foot landing in his run-up
  Release,      // the ball leaves the bowler's hand
  Pitch,        // the ball bounces on the pitch
  BatCrack,     // a clean crack off the middle: an attacking shot that scores
  BatKnock,     // a duller knock: a defensive block, an edge, a shot worth nothing
  Pads,         // the ball thuds into the pads or the body
  Stumps,       // the stumps shattered and the bails flying
  CrowdRoar,    // a four
  Applause,     // a murmur and a ripple of applause for one to three runs
  Ooh,          // the crowd's "ooh" at a ball that just missed the stumps
  Cheer,        // a wicket
  EndApplause,  // the end of an innings and of the match
};

struct SoundEffectInfo {
  SoundEffect effect;
  std::string_view file;  // in the game's sounds folder
  std::string_view name;  // for logs and the replay driver
};

inline constexpr std::array<SoundEffectInfo, 12> kSoundEffects = {{
    {SoundEffect::Footstep, "footstep.wav", "footstep"},
    {SoundEffect::Release, "release.wav", "release"},
    {SoundEffect::Pitch, "pitch.wav", "pitch"},
    {SoundEffect::BatCrack, "bat_crack.wav", "bat_crack"},
    {SoundEffect::BatKnock, "bat_knock.wav", "bat_knock"},
    {SoundEffect::Pads, "pads.wav", "pads"},
    {SoundEffect::Stumps, "stumps.wav", "stumps"},
    {SoundEffect::CrowdRoar, "crowd_roar.wav", "crowd_roar"},
    {SoundEffect::Applause, "applause.wav", "applause"},
    {SoundEffect::Ooh, "ooh.wav", "ooh"},
    {SoundEffect::Cheer, "cheer.wav", "cheer"},
    {SoundEffect::EndApplause, "end_applause.wav", "end_applause"},
}};

inline constexpr std::size_t kSoundEffectCount = kSoundEffects.size();

// The effect's place in the list, for arrays indexed by effect.
constexpr std::size_t SoundEffectIndex(SoundEffect effect) {
  return static_cast<std::size_t>(effect);
}

constexpr const SoundEffectInfo& SoundEffectInfoOf(SoundEffect effect) {
  return kSoundEffects[SoundEffectIndex(effect)];
}

constexpr std::string_view SoundEffectFile(SoundEffect effect) {
  return SoundEffectInfoOf(effect).file;
}

constexpr std::string_view SoundEffectName(SoundEffect effect) {
  return SoundEffectInfoOf(effect).name;
}

// The table lists the effects in the enumeration's order, so an effect is its index.
constexpr bool SoundEffectTableInOrder() {
  for (std::size_t i = 0; i < kSoundEffects.size(); ++i)
    if (SoundEffectIndex(kSoundEffects[i].effect) != i) return false;
  return true;
}
static_assert(SoundEffectTableInOrder(), "kSoundEffects must follow the order of SoundEffect");
static_assert(SoundEffectIndex(SoundEffect::EndApplause) + 1 == kSoundEffectCount,
              "every SoundEffect needs a row in kSoundEffects");
