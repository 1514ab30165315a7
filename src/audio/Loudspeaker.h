#pragma once
// The match's sound effects through the loudspeaker, with OpenAL Soft. One
// stream, opened as the program starts and kept for the whole run, mixes every
// effect into it, overlapping freely (a footfall under the crowd), and each
// effect is heard a fixed time after the game asks for it. With no audio
// output, a file missing or broken, or the sound server going away mid-match,
// the game plays on in silence: one line on standard error for the whole run.

#include <chrono>
#include <future>
#include <memory>
#include <string>

#include "core/ports/SoundOutput.h"

class SoundStream;

class Loudspeaker : public SoundOutput {
 public:
  // Starts opening the device and loading the effects from `soundFolder` on a
  // worker thread, while the player sets the match up.
  explicit Loudspeaker(std::string soundFolder);
  ~Loudspeaker() override;
  Loudspeaker(const Loudspeaker&) = delete;
  Loudspeaker& operator=(const Loudspeaker&) = delete;

  // Waits up to `wait` for the opening to finish; true when there is a device
  // to play on.
  bool Open(std::chrono::milliseconds wait);

  // At every Begin: waits a moment for the opening (or after the device went
  // away tries it again) and sets the stream mixing; until the first Begin it
  // rests.
  void Prepare() override;
  void Play(SoundEffect effect) override;
  void StopAll() override;

  // Off stops whatever is playing at once and plays nothing until on again.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }

 private:
  void StartOpening();
  bool Lost();

  std::string folder_;
  std::future<std::unique_ptr<SoundStream>> opening_;
  std::unique_ptr<SoundStream> stream_;
  bool enabled_ = true;
};
