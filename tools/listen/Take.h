#pragma once
// One recording of a scene played at the sound server, and what was found in
// it: every effect asked for, where it was heard and how whole, and which were
// excused because the machine itself stalled while they sounded.
//
// A busy virtual machine can lose a processor for 100 ms at a time, and no
// sound client keeps its stream fed through that: the effects sounding then,
// or in the quarter second after while the stream settles, are excused. A
// stall longer than the stream's 35 ms of buffer can leave the server playing
// the stream late for seconds after (a sink that cannot rewind cannot make up
// the gap), so the effects after one are not timed, only heard.

#include <functional>
#include <iosfwd>
#include <vector>

#include "AudioServer.h"
#include "EffectFinder.h"
#include "Recording.h"

namespace listening {

// Heard as made: the effect matches the recording (the other effects taken
// out) with a correlation of at least 0.9, at 0.7 to 1.3 times its file's
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
  std::vector<bool> timed;    // judged, and before any long stall: its delay counts
  Recording recording;

  std::size_t Judged() const;
  std::size_t Timed() const;
  // Per effect, how many of those judged were heard whole; how many were
  // excused and how many timed; the delays of those timed: median, 95th
  // percentile, least and most, in milliseconds.
  void Tell(std::ostream& out) const;
  // Adds another take's effects (the recording stays this one's).
  void Add(const Take& other);
};

// A scene opens what it plays through, asks for its effects, and returns
// what it asked for and when once all has sounded.
using Scene = std::function<std::vector<Asked>()>;

// Records the sink's monitor while the scene plays, watching the machine for
// stalls; the effects found in `search`.
Take RecordTake(const AudioServer& server, const Waveforms& sounds, const Scene& scene,
                Search search);

}  // namespace listening
