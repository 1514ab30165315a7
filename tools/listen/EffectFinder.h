#pragma once
// Finds each effect the game asked for in a recording of the sink, by its
// file's waveform: when it started, how loud it came, how well it matches and
// whether it was heard whole. Effects overlap (a footfall under the crowd,
// the ball pitching under the release), so they are fitted together: each is
// placed where it fits best once the others, as placed so far, are taken out
// of the recording, and the placing is gone over again until it settles.

#include <array>
#include <string>
#include <vector>

#include "Recorder.h"
#include "core/model/SoundEffect.h"

namespace listening {

// Each effect's waveform as its file holds it (full scale 1), at kRecordingRate.
using Waveforms = std::array<std::vector<float>, kSoundEffectCount>;
// From the game's sounds folder; an effect whose file cannot be read is empty.
Waveforms LoadWaveforms(const std::string& soundFolder);

struct Asked {
  SoundEffect effect;
  double at = 0;  // steady seconds at which the game asked for it
};

struct Heard {
  bool found = false;  // within the delays searched
  double delay = 0;    // seconds from being asked for to its first sample in the recording
  double gain = 0;     // its level in the recording against its file's (1: as made)
  double match = 0;    // correlation with the recording, the other effects taken out (1: exact)
  // The least of its four quarters (each a quarter of its energy) against its
  // whole gain: near 1 when heard whole, near 0 when cut short or begun late.
  double weakest = 0;
};

// The delays looked at, in seconds after each effect was asked for.
struct Search {
  double from = 0;
  double to = 0;
};

std::vector<Heard> FindEffects(const Recording& recording, const std::vector<Asked>& asked,
                               const Waveforms& sounds, Search search);

}  // namespace listening
