#include "core/scorecard/ScorecardFeed.h"

void ScorecardFeed::OnMatchStarted() {
  record_.Reset();
  showingBreak_ = false;
  output_.CloseScorecard();
}

void ScorecardFeed::OnEvent(const GameEvent& event) {
  record_.OnEvent(event);
  if (event.kind == EventKind::InningsEnded && event.innings == 1) Show(false);
  if (event.kind == EventKind::MatchEnded) Show(true);
  // The bowler runs in for the second innings: play has resumed.
  if (event.kind == EventKind::RunUpStarted && showingBreak_) {
    showingBreak_ = false;
    output_.CloseScorecard();
  }
}

void ScorecardFeed::Show(bool matchOver) {
  showingBreak_ = !matchOver;
  team1_ = options_.Team1();
  team2_ = options_.Team2();
  output_.ShowScorecard(record_.Innings(1), record_.Innings(2), team1_, team2_, matchOver);
}
