#pragma once
// Where the match's sound effects go: a loudspeaker in the game, a recorder in
// tests and the replay driver. Effects may overlap; Play never waits for one to end.

#include "core/model/SoundEffect.h"

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Gets the effects ready to start at once; called at every Begin.
  virtual void Prepare() {}
  virtual void Play(SoundEffect effect) = 0;
  virtual void StopAll() = 0;
};
