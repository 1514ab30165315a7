#include "core/commentary/CommentaryFeed.h"

#include <cmath>

#include "core/game/Game.h"
#include "core/model/NumberText.h"

void CommentaryFeed::OnMatchStarted() {
  commentary_.Reset();
  shown_ = {};
}

void CommentaryFeed::OnEvent(const GameEvent& event) {
  commentary_.OnEvent(event);
  // The match loop stops at the last ball: its words are shown at once.
  if (event.kind == EventKind::MatchEnded) Show(commentary_.Update(SituationOf(game_)));
}

void CommentaryFeed::OnSettled() {
  Show(commentary_.Update(SituationOf(game_)));
}

void CommentaryFeed::Show(const CommentaryLines& lines) {
  if (lines == shown_) return;
  shown_ = lines;
  output_.ShowCommentary(lines);
}

PlaySituation SituationOf(const Game& game) {
  const Match& m = game.M;
  const MatchState& s = game.S;
  PlaySituation situation;
  situation.againstComputer = m.Selected(Option::Option1);
  situation.firstInnings = s.FirstInnings;
  situation.inningsBreak = s.InningsBreak;
  situation.runUpStarted = s.RunUpStarted;
  situation.ballInFlight = s.BallBowled;
  situation.cursorSweeps = m.Selected(Option::OptionBOWLh);
  situation.paused = TimerPeriodMs(game.P.timer->Interval()) == 0;
  situation.team1 = m.TextOf(TextBox::Text1);
  situation.team2 = m.TextOf(TextBox::Text2);
  situation.team1Runs = s.Team1Runs;
  situation.team1Wickets = s.Team1Wickets;
  situation.team2Runs = s.Team2Runs;
  situation.team2Wickets = s.Team2Wickets;
  situation.oversBowled = s.OversBowled;
  situation.ballsInOver = s.BallsInOver;
  const auto overs = ReadNumber(m.TextOf(TextBox::Text3));
  if (overs && *overs == std::floor(*overs) && *overs >= 0 && *overs <= 32767)
    situation.oversPerInnings = static_cast<int>(*overs);
  return situation;
}
