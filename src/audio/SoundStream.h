#pragma once
// The open stream with the match's effects loaded into it: each effect plays
// on a voice of its own, mixed with whatever else is sounding, and starts on
// time (OnTime.h).

#include <memory>
#include <string>

#include "audio/AudioDevice.h"
#include "audio/EffectBank.h"
#include "audio/Resting.h"
#include "audio/Voices.h"
#include "core/model/SoundEffect.h"

class SoundStream {
 public:
  // Opens the default device and loads the effects from `soundFolder`;
  // nullptr when there is no audio output. The stream rests (nothing is mixed,
  // and the game costs nothing while the player sets a match up or between
  // balls) until an effect plays (Resting.h).
  static std::unique_ptr<SoundStream> Open(const std::string& soundFolder);

  // Mixing, for a moment, so that an effect coming soon finds it running.
  void Wake() { resting_.Sounding({}); }

  // False once the device has gone.
  bool Connected() const { return device_->Connected(); }
  void Play(SoundEffect effect);
  void StopAll() { voices_.StopAll(); }

 private:
  SoundStream(std::unique_ptr<AudioDevice> device, const std::string& soundFolder)
      : device_(std::move(device)), resting_(*device_), bank_(soundFolder) {}

  std::unique_ptr<AudioDevice> device_;  // first made, last gone
  Resting resting_;
  EffectBank bank_;
  Voices voices_;
};
