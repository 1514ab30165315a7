#pragma once
// Everyone who follows a match beside its players, made and wired in one
// place for the game, the replay driver, the soak and the benchmarks: the
// commentary, the sound cues, the instant replay and the scorer's book. They
// hear each event in that order. The replay also stands in front of each
// match's display and hears every key first; the live sounds and the replay's
// pass the "Sound" box on their way out. The journal hears every input of the
// match and keeps it as a script.

#include "core/commentary/CommentaryFeed.h"
#include "core/journal/MatchJournal.h"
#include "core/journal/MatchKeeper.h"
#include "core/ports/CommentaryOutput.h"
#include "core/ports/ScorecardOutput.h"
#include "core/ports/SoundOutput.h"
#include "core/replay/InstantReplay.h"
#include "core/replay/ReplaySound.h"
#include "core/scorecard/ScorecardFeed.h"
#include "core/sound/SoundCues.h"
#include "core/sound/SoundGate.h"

class Game;

// Where the audience's work is shown and heard.
struct AudienceOutputs {
  CommentaryOutput& commentary;
  SoundOutput& sound;
  ScorecardOutput& scorecard;
};

class MatchAudience {
 public:
  MatchAudience(Game& game, AudienceOutputs outputs);
  ~MatchAudience();
  MatchAudience(const MatchAudience&) = delete;
  MatchAudience& operator=(const MatchAudience&) = delete;

  CommentaryFeed commentary;
  SoundGate soundBox;  // the "Sound" box, before the output
  InstantReplay replay;
  ReplaySound replaySound;  // keeps each live effect with the replay's frame
  SoundCues sound;
  ScorecardFeed scorecard;
  MatchJournal journal;  // hears the inputs, not the events
  MatchKeeper keeper;    // hands each match to the history, if there is one

 private:
  Game& game_;
};
