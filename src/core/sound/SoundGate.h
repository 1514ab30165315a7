#pragma once
// The "Sound" box between the cues and the loudspeaker: read at every effect,
// like the panel's other options, so unticking it silences the next one. (The
// Qt side also stops what is sounding the moment the box is unticked.)

#include "core/ports/Settings.h"
#include "core/ports/SoundOutput.h"

class SoundGate : public SoundOutput {
 public:
  SoundGate(const Panel& panel, SoundOutput& output) : options_(panel), output_(output) {}

  void Prepare() override { output_.Prepare(); }
  void Play(SoundEffect effect) override {
    if (options_.SoundOn()) output_.Play(effect);
  }
  void StopAll() override { output_.StopAll(); }

 private:
  const Settings options_;
  SoundOutput& output_;
};
