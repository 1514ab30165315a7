#pragma once
// One recording of a scene played at the sound server, and what was found in
// it: every effect asked for, where it was heard and how whole, and which the
// machine itself spoilt.
//
// A busy virtual machine can lose a processor for 100 ms at a time, and no
// sound client keeps its stream fed through that. While a take records, a
// thread on each processor notes each time it woke 8 ms or more late: the
// effects sounding then, or in the quarter second before or after, are
// excused. (A quarter second after a stall of 100 ms, effects are on time
// again.)

#include <functional>
#include <iosfwd>
#include <vector>

#include "AudioServer.h"
#include "EffectFinder.h"

namespace listening {

// Heard as made: the effect matches the recording (the other effects taken
// out) with a correlation of 0.9 or more, at 0.7 to 1.3 times its file's
// level, and every quarter of its energy is there at 0.7 or more of that level
// (a sound cut short or begun late loses a quarter). Played cleanly, all three
// come out at 0.99 or better.
bool HeardWhole(const Heard& heard);

// Where an effect played by the game is looked for: from 10 ms before it was
// asked for to 60 ms after. (Wider, a footfall could be taken for the next
// one, 48 ms later.)
inline constexpr Search kOnTimeSearch{-0.010, 0.060};

struct Take {
  std::vector<Asked> asked;
  std::vector<Heard> heard;
  std::vector<bool> excused;  // sounding while the machine stalled: not judged
  Recording recording;

  std::size_t Judged() const;
  // Per effect, how many of those judged were heard whole; how many were
  // excused; the delays of those judged (median, 95th percentile, least,
  // most) in milliseconds.
  void Tell(std::ostream& out) const;
  void Add(const Take& other);  // another take's effects (not its recording)
};

// A scene opens what it plays through, asks for its effects, and returns what
// it asked for and when once all has sounded.
using Scene = std::function<std::vector<Asked>()>;

// Records the sink's monitor while the scene plays, watching the machine for
// stalls; the effects looked for within `search`.
Take RecordTake(const AudioServer& server, const Waveforms& sounds, const Scene& scene,
                Search search = kOnTimeSearch);

}  // namespace listening
