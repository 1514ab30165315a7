#pragma once
// Keeps the commentary strip up to date: hears the match's events, reads where
// the match stands each time it settles, and shows the lines when they change.

#include "core/commentary/Commentary.h"
#include "core/match/MatchView.h"
#include "core/ports/CommentaryOutput.h"

class CommentaryFeed : public EventListener {
 public:
  CommentaryFeed(const MatchView& match, CommentaryOutput& output)
      : match_(match), output_(output) {}

  void OnMatchStarted() override;
  void OnEvent(const GameEvent& event) override;
  void OnSettled() override;

  // Told by the window when the field gains or loses the keyboard.
  void FieldHasKeyboard(bool has);

 private:
  void Show(const CommentaryLines& lines);

  const MatchView& match_;
  CommentaryOutput& output_;
  Commentary commentary_;
  CommentaryLines shown_;
  bool playing_ = false;  // from Begin to the match's end
};

// Where the match stands, as the commentary reads it.
PlaySituation SituationOf(const MatchView& match);
