#pragma once
// The options panel in the game's words. Every question reads the controls at
// the moment it is asked, so a change on the panel counts at once, even in the
// middle of a match; nothing is copied. An unloaded form selects no button of
// any frame (None) and holds empty texts.

#include <string>

#include "core/ports/Panel.h"

class Settings {
 public:
  explicit Settings(const Panel& panel) : panel_(panel) {}

  GameType Game() const;
  Difficulty Batting() const;
  BowlingDifficulty Bowling() const;
  Difficulty Computer() const;

  std::string Team1() const { return panel_.Text(kTeam1Box); }
  std::string Team2() const { return panel_.Text(kTeam2Box); }
  // The boxes' texts as typed; whoever needs a number reads it (NumberText.h).
  std::string OversText() const { return panel_.Text(kOversBox); }
  std::string DelayText() const { return panel_.Text(kDelayBox); }
  bool SoundOn() const { return panel_.Ticked(kSoundBox); }

 private:
  const Panel& panel_;
};
