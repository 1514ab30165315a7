#pragma once
// The match's effects in OpenAL's buffers, loaded once a run from the sounds
// folder, and the short silences an effect may wait behind so that it is
// heard a fixed time after the game asks for it (see OnTime.h).

#include <AL/al.h>

#include <array>
#include <chrono>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/model/SoundEffect.h"

class EffectBank {
 public:
  // Needs a current context. A file that cannot be played leaves its effect
  // silent, and says so (once a run, with the other sound troubles).
  explicit EffectBank(const std::string& soundFolder);
  ~EffectBank();
  EffectBank(const EffectBank&) = delete;
  EffectBank& operator=(const EffectBank&) = delete;

  // The effect's buffer; 0 when its file could not be used.
  ALuint Sound(SoundEffect effect) const { return sounds_[SoundEffectIndex(effect)]; }
  // How long the effect sounds.
  std::chrono::microseconds Length(SoundEffect effect) const {
    return lengths_[SoundEffectIndex(effect)];
  }
  // A silence of `ms` milliseconds (1 to kLongestLeadInMs) that can be queued
  // before the effect; 0 for none.
  ALuint Silence(SoundEffect effect, int ms) const;

 private:
  using Format = std::pair<int, int>;  // rate, channels: a queue holds one format
  void Load(SoundEffect effect, const std::string& path);
  void MakeSilences(Format format);

  std::array<ALuint, kSoundEffectCount> sounds_{};
  std::array<Format, kSoundEffectCount> formats_{};
  std::array<std::chrono::microseconds, kSoundEffectCount> lengths_{};
  std::map<Format, std::vector<ALuint>> silences_;  // [ms - 1]
};
