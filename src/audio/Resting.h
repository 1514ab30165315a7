#pragma once
// The stream rests while nothing sounds. A running device wakes a few hundred
// times a second (its mixer and the sound server's client) to mix silence,
// which costs more than the rest of the game; a paused one mixes nothing and
// its client sleeps. So the device is paused once the last effect has been
// heard and a moment more has passed quietly, and resumed at the next effect.
// Resuming starts the mixer again behind what the server still holds (silence,
// by then), so the next effect is heard as soon after its request as any
// other (OnTime.h). The device is paused and resumed here alone, from the
// game's thread and from a watcher of its own.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "audio/AudioDevice.h"

class Resting {
 public:
  using Clock = std::chrono::steady_clock;

  // Starts resting `device`, which must outlive this.
  explicit Resting(AudioDevice& device);
  ~Resting();
  Resting(const Resting&) = delete;
  Resting& operator=(const Resting&) = delete;

  // Something sounds for `length` from now: the device runs at least until
  // then, and rests kQuietBeforeRest after.
  void Sounding(Clock::duration length);

 private:
  // Well past the time an effect's end takes to leave the server's buffer,
  // well short of the quiet between one ball and the next.
  static constexpr std::chrono::milliseconds kQuietBeforeRest{200};
  void Watch();

  AudioDevice& device_;
  std::mutex mutex_;
  std::condition_variable changed_;
  Clock::time_point restAt_ = Clock::time_point::max();  // max: resting
  bool closing_ = false;
  std::thread watcher_;  // last: started when the rest is set up
};
