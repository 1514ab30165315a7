#pragma once
// The commentary strip's three lines, kept up to date as the match is played:
//   0  what to do now, for the side that must act;
//   1  the last ball in words, from its end until the next ball is released;
//   2  the state of the match: run rate, target, chase, result.
// It hears the match's events, and the game hands it where the match stands
// (PlaySituation) every tick; Lines() is current after either.

#include <array>
#include <string>

#include "core/commentary/LastBall.h"
#include "core/commentary/PlaySituation.h"
#include "core/ports/CommentaryOutput.h"
#include "core/ports/Events.h"

class Commentary : public EventListener {
 public:
  Commentary();
  void OnEvent(const GameEvent& event) override;

  // Takes where the match stands now; returns the lines.
  const CommentaryLines& Update(const PlaySituation& situation);
  const CommentaryLines& Lines() const { return lines_; }

  // Forgets the last match, for a new one.
  void Reset();

 private:
  void Compose();

  PlaySituation situation_;
  commentary::BallRecord ball_;
  std::string lastBall_;
  bool matchOver_ = false;
  CommentaryLines lines_;
};
