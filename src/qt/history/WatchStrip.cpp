#include "qt/history/WatchStrip.h"

namespace {

std::string HowWatched(int pace, bool paused) {
  if (paused) return "Paused: Space plays on, Escape stops watching";
  if (pace == 1) return "Watching: Space pauses, 2 or 4 speeds it up, Escape stops";
  return "Watching at " + std::to_string(pace) +
         "x: Space pauses, 1 back to its pace, Escape stops";
}

}  // namespace

void WatchStrip::ShowCommentary(const CommentaryLines& lines) {
  lines_ = lines;
  CommentaryLines shown = lines;
  shown[0] = HowWatched(pace_, paused_);
  shown_.ShowCommentary(shown);
}

void WatchStrip::SetPace(int pace, bool paused) {
  pace_ = pace;
  paused_ = paused;
  ShowCommentary(lines_);
}
