#pragma once
// Between the sound cues and the loudspeaker: every effect goes on as it
// came, and the instant replay keeps it with the frame it started in.

#include "core/ports/SoundOutput.h"
#include "core/replay/InstantReplay.h"

class ReplaySound : public SoundOutput {
 public:
  ReplaySound(InstantReplay& replay, SoundOutput& output) : replay_(replay), output_(output) {}

  void Prepare() override { output_.Prepare(); }
  void Play(SoundEffect effect) override {
    replay_.SoundStarted(effect);
    output_.Play(effect);
  }
  void StopAll() override { output_.StopAll(); }

 private:
  InstantReplay& replay_;
  SoundOutput& output_;
};
