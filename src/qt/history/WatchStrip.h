#pragma once
// The commentary of a match being watched. The strip's first line tells the
// player at the keys what to do now; while watching, the keys are the
// watcher's, so that line says how the match is being watched (at its own
// pace, twice or four times as fast, or paused) and which keys change it. The
// last ball and the state of the match are the match's own.

#include <string>

#include "core/ports/CommentaryOutput.h"

class WatchStrip : public CommentaryOutput {
 public:
  explicit WatchStrip(CommentaryOutput& shown) : shown_(shown) {}

  void ShowCommentary(const CommentaryLines& lines) override;
  // Says the new pace (1, 2 or 4) or pause at once, even between ticks.
  void SetPace(int pace, bool paused);

 private:
  CommentaryOutput& shown_;
  CommentaryLines lines_;
  int pace_ = 1;
  bool paused_ = false;
};
