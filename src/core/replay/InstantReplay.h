#pragma once
// The instant replay: the last ball again, from the start of the run-up to its
// end, at half speed (each frame shown for two ticks) with a "REPLAY" mark.
// It keeps each frame as what the display was asked to draw (no pixels) and
// the sounds that started with it. R starts it while the field waits between
// balls or shows the innings break; R again, a key that starts the next ball
// (pace, 5, Space) or Escape ends it at once, and that key then does what it
// always does. The match itself goes on ticking underneath, unchanged.

#include <memory>
#include <vector>

#include "core/model/Events.h"
#include "core/ports/FieldOverlay.h"
#include "core/ports/SoundOutput.h"
#include "core/replay/DrawCall.h"

class InstantReplay : public EventListener, public FieldOverlay {
 public:
  struct Frame {
    FrameCalls calls;
    std::vector<SoundEffect> sounds;
  };
  // The longest ball kept: a ball is 121 ticks; anything longer is not a ball.
  static constexpr std::size_t kMaxFrames = 400;
  // The mark stands on the grass in the bottom right corner, where no player is.
  static constexpr const char* kMark = "REPLAY";
  static constexpr i16 kMarkX = 574, kMarkY = 458;

  // EventListener: a ball is kept from its run-up to the frame it is scored in.
  void OnMatchStarted() override;
  void OnEvent(const GameEvent& event) override;

  // FieldOverlay.
  std::shared_ptr<DisplaySurface> Wrap(std::shared_ptr<DisplaySurface> display) override;
  bool KeyDown(i16 keyCode, const MatchState& state) override;

  // From the display in front of the match's: a live frame was shown.
  void FrameShown(const FrameCalls& calls);
  // From the sound: an effect started live.
  void SoundStarted(SoundEffect effect);

  // Where a replayed frame's sounds are played (the "Sound" box still rules).
  void SetSound(SoundOutput& sound) { sound_ = &sound; }

  bool Playing() const { return playing_; }
  // One tick of the replay: the frame to show now, each kept frame twice in
  // turn, its sounds started as it first shows; null once the replay is over
  // (it then stops by itself).
  const Frame* Advance();
  std::size_t FramesKept() const { return lastBall_.size(); }

 private:
  void Start();
  void Stop() { playing_ = false; }

  bool recording_ = false;
  bool ballOver_ = false;            // the ball was scored: its frame is the last one kept
  std::vector<Frame> frames_;        // the ball being kept
  std::vector<Frame> lastBall_;      // the last whole ball
  std::vector<SoundEffect> sounds_;  // started since the last frame
  bool playing_ = false;
  std::size_t shown_ = 0;  // half-frames shown so far
  SoundOutput* sound_ = nullptr;
};
