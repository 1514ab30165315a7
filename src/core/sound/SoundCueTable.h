#pragma once
// Which effect each event of the match calls for: the cue table, as data, and
// the two judgements that need more than the event's kind (how the bat met the
// ball, and how the crowd takes the ball's result).

#include <optional>

#include "core/model/Events.h"
#include "core/model/SoundEffect.h"

// What the listener does on an event of a kind.
enum class CueRule {
  None,          // silence
  Play,          // play the row's effect at once
  Touch,         // play the row's effect; the ball met bat, pad or stumps
  StartRunUp,    // schedule the bowler's footfalls
  Release,       // play the row's effect; footfalls still to come are dropped
  RememberShot,  // note the shot: the bat's sound depends on it
  Bat,           // crack or knock, by the shot noted
  Crowd,         // the crowd's answer to the ball's result
  End,           // the row's effect, once for an innings end and a match end together
};

struct EventCue {
  EventKind kind;
  CueRule rule;
  SoundEffect effect;  // for Play, Touch, Release and End
};

const EventCue& CueFor(EventKind kind);

// The shot as the bat will sound: the ShotPlayed event's shot code and the
// outcome it earned.
struct ShotSound {
  int shot = 0;
  Outcome earned = Outcome::None;
};

// A scoring attacking shot cracks; a block, an edge or a shot worth nothing knocks.
SoundEffect BatSound(const ShotSound& shot);

// The crowd's answer to a BallScored event, if any. `touched` tells whether the
// ball met the bat, the pads or the stumps (a ball that did is no near miss).
std::optional<SoundEffect> CrowdSound(const GameEvent& scored, bool touched);
