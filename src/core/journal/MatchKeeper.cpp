#include "core/journal/MatchKeeper.h"

namespace {

const char* GameTypeName(GameType type) {
  switch (type) {
    case GameType::HumanVCpu:
      return "Human V CPU";
    case GameType::HumanVHuman:
      return "Human V Human";
    case GameType::None:
      break;
  }
  return "";
}

void KeepBalls(const scorecard::InningsRecord& innings, std::vector<KeptBall>& balls) {
  int over = -1, ball = 0;
  for (const scorecard::BallRecord& b : innings.balls) {
    ball = b.over == over ? ball + 1 : 1;
    over = b.over;
    balls.push_back({.innings = b.innings,
                     .over = b.over + 1,
                     .ball = ball,
                     .outcome = std::string(TextOf(b.outcome)),
                     .runs = b.runs,
                     .wicket = b.dismissal != scorecard::Dismissal::None,
                     .wide = b.wide});
  }
}

}  // namespace

void MatchKeeper::OnMatchStarted() {
  result_.clear();
  finished_ = false;
  if (history_) history_->MatchBegan();
}

void MatchKeeper::OnEvent(const GameEvent& event) {
  if (event.kind != EventKind::MatchEnded) return;
  result_ = event.result;
  finished_ = true;
}

void MatchKeeper::OnMatchClosed() {
  if (history_) history_->Keep(Board());
}

KeptMatch MatchKeeper::Board() const {
  const MatchState& s = view_.State();
  const Settings& options = view_.Options();
  KeptMatch match{.team1 = options.Team1(),
                  .team2 = options.Team2(),
                  .overs = options.OversText(),
                  .gameType = GameTypeName(options.Game()),
                  .team1Runs = s.Team1Runs,
                  .team1Wickets = s.Team1Wickets,
                  .team2Runs = s.Team2Runs,
                  .team2Wickets = s.Team2Wickets,
                  .result = result_,
                  .finished = finished_,
                  .script = journal_.Script(),
                  .balls = {}};
  if (circumstances_) {
    Circumstances c = circumstances_();
    match.peer = std::move(c.peer);
    match.ending = std::move(c.ending);
  }
  KeepBalls(book_.Innings(1), match.balls);
  KeepBalls(book_.Innings(2), match.balls);
  return match;
}
