#include "core/replay/InstantReplay.h"

#include <algorithm>
#include <utility>

#include "core/input/KeyCodes.h"
#include "core/model/MatchState.h"
#include "core/replay/ReplayDisplay.h"

namespace {

// The keys that start the next ball, and Escape: they end a replay and then
// do what they always do.
bool EndsReplay(i16 code) {
  constexpr i16 kEnders[] = {key::kPad1, key::kPad2,  key::kPad3,
                             key::kPad5, key::kSpace, key::kEscape};
  return std::find(std::begin(kEnders), std::end(kEnders), code) != std::end(kEnders);
}

// The two pictures a replay may start from: waiting for the next ball, and the
// innings break.
bool FieldAtRest(const MatchState& s) {
  return s.InningsBreak || (!s.RunUpStarted && !s.BallBowled);
}

}  // namespace

void InstantReplay::OnMatchStarted() {
  recording_ = ballOver_ = playing_ = false;
  frames_.clear();
  lastBall_.clear();
  sounds_.clear();
}

void InstantReplay::OnEvent(const GameEvent& event) {
  if (event.kind == EventKind::RunUpStarted) {
    recording_ = true;
    ballOver_ = false;
    frames_.clear();
    sounds_.clear();
  }
  if (event.kind == EventKind::BallScored) ballOver_ = true;
}

std::shared_ptr<DisplaySurface> InstantReplay::Wrap(std::shared_ptr<DisplaySurface> display) {
  return std::make_shared<ReplayDisplay>(std::move(display), *this);
}

bool InstantReplay::KeyDown(i16 keyCode, const MatchState& state) {
  if (keyCode == key::kR) {
    if (playing_)
      Stop();
    else if (FieldAtRest(state) && !lastBall_.empty())
      Start();
    return true;
  }
  if (playing_ && EndsReplay(keyCode)) Stop();
  return false;
}

void InstantReplay::FrameShown(const FrameCalls& calls) {
  if (!recording_) return;
  frames_.push_back({calls, std::exchange(sounds_, {})});
  if (ballOver_) {
    lastBall_ = std::move(frames_);
    frames_.clear();
    recording_ = false;
  } else if (frames_.size() > kMaxFrames) {
    frames_.clear();  // no ball is this long: keep nothing rather than too much
    recording_ = false;
  }
}

void InstantReplay::SoundStarted(SoundEffect effect) {
  if (recording_ && !playing_) sounds_.push_back(effect);
}

void InstantReplay::Start() {
  playing_ = true;
  shown_ = 0;
}

const InstantReplay::Frame* InstantReplay::Advance() {
  if (!playing_) return nullptr;
  if (shown_ >= 2 * lastBall_.size()) {
    Stop();
    return nullptr;
  }
  const Frame& frame = lastBall_[shown_ / 2];
  if (shown_ % 2 == 0 && sound_)
    for (SoundEffect effect : frame.sounds) sound_->Play(effect);
  ++shown_;
  return &frame;
}
