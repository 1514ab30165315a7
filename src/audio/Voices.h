#pragma once
// The sources the effects sound from: enough for the bowler's footfalls, the
// ball, the bat and the crowd all at once. A voice is taken when it is free;
// when all are busy, the one that started longest ago gives way.

#include <AL/al.h>

#include <array>
#include <cstddef>

class Voices {
 public:
  Voices();  // needs a current context
  ~Voices();
  Voices(const Voices&) = delete;
  Voices& operator=(const Voices&) = delete;

  // Plays `sound` after `silence` (0: none); the two must share a format.
  // Returns the voice, for Begun and Stop.
  ALuint Start(ALuint silence, ALuint sound);
  // True once the voice has been mixed from (or has finished).
  bool Begun(ALuint voice) const;
  void Stop(ALuint voice);
  void StopAll();

 private:
  static constexpr std::size_t kVoices = 16;
  std::size_t Next() const;

  std::array<ALuint, kVoices> sources_{};
  std::array<unsigned long, kVoices> startedAs_{};  // the count of starts when each last started
  unsigned long starts_ = 0;
};
