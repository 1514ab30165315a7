#pragma once
// The match's sound: hears the event stream and tells a SoundOutput which
// effects to play, by the cue table. The bowler's footfalls are paced by the
// timer's ticks, so they keep step with his pictures at any speed.

#include <deque>
#include <vector>

#include "core/model/Events.h"
#include "core/ports/SoundOutput.h"
#include "core/sound/SoundCueTable.h"

class SoundCues : public EventListener {
 public:
  // footstepTicks: the run-up ticks at which a foot lands (FootstepTicks of the
  // bowler's run-up frame table).
  SoundCues(SoundOutput& output, std::vector<int> footstepTicks);

  // A new match: nothing left over from the last one, the effects made ready.
  void OnMatchStarted() override;
  void OnEvent(const GameEvent& event) override;
  void OnTick(int tick) override;

  // Escape: the footfalls still to come are dropped and everything playing stops.
  void Cancel();

 private:
  void Follow(const EventCue& cue, const GameEvent& event);
  void StartRunUp(int tick);
  void PlayEnd(SoundEffect effect);

  SoundOutput& output_;
  std::vector<int> footstepTicks_;
  std::deque<int> pendingSteps_;  // timer ticks, in order
  ShotSound shot_;
  bool touched_ = false;    // this ball has met the bat, the pads or the stumps
  bool endPlayed_ = false;  // the end applause has played since the last run-up
};
