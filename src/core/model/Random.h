#pragma once
// The program's one random generator. Every chance in the game (where the ball
// pitches, how the bat sends it away, what the computer does) is drawn from it,
// so a match is replayed exactly by replaying its seed and its clock.

#include <cstdint>

class Random {
 public:
  explicit Random(std::uint64_t seed = 0) : state_(seed) {}

  // A uniform float in [0, 1) with 24 bits of resolution.
  float Rnd();

  // A whole number from 1 to n with equal chances: floor(r * n + 1), never n + 1.
  // draw(0) gives 1, as floor(r * 0 + 1) does.
  int Draw(int n);

  // Mixes the time of day (milliseconds since midnight) into the current state
  // rather than replacing it, so two reseeds in the same second, or even the
  // same millisecond, still lead to different draws.
  void Reseed(std::int64_t millisecondsSinceMidnight);

  std::uint64_t State() const { return state_; }

 private:
  std::uint64_t Next();
  std::uint64_t state_;
};
