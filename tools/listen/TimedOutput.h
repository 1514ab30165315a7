#pragma once
// Between the game and a loudspeaker: notes when each effect was asked for,
// and when everything was stopped, on the steady clock.

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
  void StopAll() override {
    stopped.push_back(SteadySeconds());
    out_.StopAll();
  }

  std::vector<Asked> asked;
  std::vector<double> stopped;

 private:
  SoundOutput& out_;
};

}  // namespace listening
