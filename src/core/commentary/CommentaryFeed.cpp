#include "core/commentary/CommentaryFeed.h"

#include <cmath>

#include "core/model/NumberText.h"

void CommentaryFeed::OnMatchStarted() {
  commentary_.Reset();
  shown_ = {};
  playing_ = true;
}

void CommentaryFeed::OnEvent(const GameEvent& event) {
  commentary_.OnEvent(event);
  if (event.kind != EventKind::MatchEnded) return;
  // The match loop stops at the last ball: its words are shown at once.
  playing_ = false;
  Show(commentary_.Update(SituationOf(match_)));
}

void CommentaryFeed::OnSettled() {
  Show(commentary_.Update(SituationOf(match_)));
}

// The field takes the keyboard as it opens, before the match is set up, and
// gives it up as it closes: only the match in play hears of it.
void CommentaryFeed::FieldHasKeyboard(bool has) {
  if (playing_) Show(commentary_.SetFieldHasKeyboard(has));
}

void CommentaryFeed::Show(const CommentaryLines& lines) {
  if (lines == shown_) return;
  shown_ = lines;
  output_.ShowCommentary(lines);
}

PlaySituation SituationOf(const MatchView& match) {
  const MatchState& s = match.State();
  const Settings& options = match.Options();
  PlaySituation situation;
  situation.sides = match.Sides();
  situation.firstInnings = s.FirstInnings;
  situation.inningsBreak = s.InningsBreak;
  situation.runUpStarted = s.RunUpStarted;
  situation.ballInFlight = s.BallBowled;
  situation.cursorSweeps = options.Bowling() == BowlingDifficulty::Simulation;
  situation.paused = match.Paused();
  situation.team1 = options.Team1();
  situation.team2 = options.Team2();
  situation.team1Runs = s.Team1Runs;
  situation.team1Wickets = s.Team1Wickets;
  situation.team2Runs = s.Team2Runs;
  situation.team2Wickets = s.Team2Wickets;
  situation.oversBowled = s.OversBowled;
  situation.ballsInOver = s.BallsInOver;
  const auto overs = ReadNumber(options.OversText());
  if (overs && *overs == std::floor(*overs) && *overs >= 0 && *overs <= 32767)
    situation.oversPerInnings = static_cast<int>(*overs);
  return situation;
}
