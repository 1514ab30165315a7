#pragma once
// The commentary strip's three lines, kept up to date as the match is played:
//   0  what to do now, for the side that must act (or to click the field, when
//      it does not have the keyboard);
//   1  the last ball in words, from its end until the next ball is released;
//      against the computer, the player's side before an innings' first ball;
//   2  the state of the match: run rate, target, chase, result (and, before
//      the first ball, that no over limit is set, when none is).
// It hears the match's events, and the game hands it where the match stands
// (PlaySituation) every tick; Lines() is current after either.

#include <array>
#include <string>

#include "core/commentary/LastBall.h"
#include "core/commentary/PlaySituation.h"
#include "core/model/Events.h"
#include "core/ports/CommentaryOutput.h"

class Commentary : public EventListener {
 public:
  Commentary();
  void OnEvent(const GameEvent& event) override;

  // Takes where the match stands now; returns the lines.
  const CommentaryLines& Update(const PlaySituation& situation);
  const CommentaryLines& Lines() const { return lines_; }

  // Forgets the last match, for a new one.
  void Reset();

  // Whether the field has the keyboard: a click on the panel takes it away
  // during a match, and no key then reaches the play until the field is clicked.
  const CommentaryLines& SetFieldHasKeyboard(bool has);

 private:
  void Compose();

  PlaySituation situation_;
  commentary::BallRecord ball_;
  std::string lastBall_;
  bool matchOver_ = false;
  bool matchOpening_ = true;    // no ball bowled yet in this match
  bool inningsOpening_ = true;  // none yet in the innings in play or about to be
  bool fieldHasKeyboard_ = true;
  CommentaryLines lines_;
};
