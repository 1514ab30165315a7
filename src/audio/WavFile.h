#pragma once
// The effects' files as the loudspeaker takes them: RIFF WAVE, 16-bit PCM,
// mono or stereo. A file is read whole before a match, so one that is missing,
// cut short or in another format is turned away before the player is given it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct WavSound {
  int rate = 0;                       // frames a second
  int channels = 0;                   // 1 or 2
  std::vector<std::int16_t> samples;  // interleaved, every frame whole
};

// The file's sound, or nothing when it is not one the loudspeaker can play.
std::optional<WavSound> ReadWav(const std::string& path);
