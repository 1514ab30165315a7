#include "core/sound/SoundCues.h"

#include <utility>

SoundCues::SoundCues(SoundOutput& output, std::vector<int> footstepTicks)
    : output_(output), footstepTicks_(std::move(footstepTicks)) {}

void SoundCues::OnEvent(const GameEvent& event) {
  Follow(CueFor(event.kind), event);
}

// A footfall due on this tick plays now; one whose tick has gone by without
// a timer tick (it never should) is dropped rather than played late.
void SoundCues::OnTick(int tick) {
  while (!pendingSteps_.empty() && pendingSteps_.front() < tick) pendingSteps_.pop_front();
  if (!pendingSteps_.empty() && pendingSteps_.front() == tick) {
    pendingSteps_.pop_front();
    output_.Play(SoundEffect::Footstep);
  }
}

void SoundCues::OnMatchStarted() {
  Cancel();
  shot_ = {};
  touched_ = endPlayed_ = false;
  output_.Prepare();
}

void SoundCues::Cancel() {
  pendingSteps_.clear();
  output_.StopAll();
}

void SoundCues::Follow(const EventCue& cue, const GameEvent& event) {
  switch (cue.rule) {
    case CueRule::None:
      return;
    case CueRule::Play:
      output_.Play(cue.effect);
      return;
    case CueRule::Touch:
      touched_ = true;
      output_.Play(cue.effect);
      return;
    case CueRule::StartRunUp:
      StartRunUp(event.tick);
      return;
    case CueRule::Release:
      pendingSteps_.clear();
      shot_ = {};
      touched_ = false;
      output_.Play(cue.effect);
      return;
    case CueRule::RememberShot:
      shot_ = {event.shot, event.outcome};
      return;
    case CueRule::Bat:
      touched_ = true;
      output_.Play(BatSound(shot_));
      return;
    case CueRule::Crowd:
      if (const auto effect = CrowdSound(event, touched_)) output_.Play(*effect);
      return;
    case CueRule::End:
      PlayEnd(cue.effect);
      return;
  }
}

// The run-up's tick k is the k-th timer tick after the one the run-up started on.
void SoundCues::StartRunUp(int tick) {
  pendingSteps_.clear();
  for (int step : footstepTicks_) pendingSteps_.push_back(tick + step);
  shot_ = {};
  touched_ = false;
  endPlayed_ = false;
}

// The last ball of a match ends its innings and the match together: one applause.
void SoundCues::PlayEnd(SoundEffect effect) {
  if (endPlayed_) return;
  endPlayed_ = true;
  output_.Play(effect);
}
