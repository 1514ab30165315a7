#pragma once
// Between the game and a loudspeaker: notes when each effect was asked for,
// on the steady clock.

#include <vector>

#include "EffectFinder.h"
#include "core/ports/SoundOutput.h"

namespace listening {

class TimedOutput : public SoundOutput {
 public:
  explicit TimedOutput(SoundOutput& out) : out_(out) {}

  void Prepare() override { out_.Prepare(); }
  void Play(SoundEffect effect) override {
    asked.push_back({effect, SteadySeconds()});
    out_.Play(effect);
  }
  void StopAll() override { out_.StopAll(); }

  std::vector<Asked> asked;

 private:
  SoundOutput& out_;
};

}  // namespace listening
