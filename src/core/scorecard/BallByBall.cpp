#include "core/scorecard/BallByBall.h"

#include <string>
#include <string_view>
#include <utility>

#include "core/model/Outcome.h"

namespace scorecard {
namespace {

// How the scorecard writes a ball: "wd" a wide, "W" a wicket, its runs, "." a
// dot; a ball the game did not count at all (no outcome it knows) is not written.
std::string SymbolOf(const GameEvent& ball) {
  if (ball.wide) return "wd";
  if (!ball.counted) return "";
  if (ball.wicket) return "W";
  return ball.runs > 0 ? std::to_string(ball.runs) : ".";
}

Dismissal DismissalOf(const GameEvent& ball) {
  if (!ball.wicket) return Dismissal::None;
  return ball.outcome == Outcome::Bowled ? Dismissal::Bowled : Dismissal::Caught;
}

// Adds the ball to the innings' totals and moves the board on. The tenth wicket
// closes the innings on that ball, so an over it completes is not carried.
void Count(InningsRecord& innings, const BallRecord& ball) {
  innings.runs += ball.runs;
  if (ball.dismissal != Dismissal::None) ++innings.wickets;
  if (ball.counted) ++innings.board.balls;
  if (innings.wickets != laws::kAllOut && innings.board.balls == laws::kBallsPerOver) {
    innings.board.balls = 0;
    ++innings.board.overs;
  }
}

void Tally(InningsRecord& innings, const BallRecord& ball) {
  if (ball.wide) ++innings.wides;
  if (ball.symbol == "4") ++innings.fours;
  if (ball.symbol == ".") ++innings.dots;
  if (ball.dismissal != Dismissal::None)
    innings.fall.push_back({innings.wickets, innings.runs, innings.board});
  if (ball.symbol.empty()) return;
  if (innings.overs.size() <= static_cast<std::size_t>(ball.over))
    innings.overs.resize(ball.over + 1);
  OverRecord& over = innings.overs[ball.over];
  over.symbols.push_back(ball.symbol);
  over.runs += ball.runs;
  if (ball.dismissal != Dismissal::None) ++over.wickets;
}

}  // namespace

void BallByBall::Reset() {
  innings_ = {};
  innings_[0].innings = 1;
  innings_[1].innings = 2;
  pending_ = {};
}

const InningsRecord& BallByBall::Innings(int innings) const {
  return innings_[innings == 2 ? 1 : 0];
}

void BallByBall::OnEvent(const GameEvent& event) {
  switch (event.kind) {
    case EventKind::BallReleased:
      Released(event);
      break;
    case EventKind::ShotPlayed:
      Shot(event);
      break;
    case EventKind::BallScored:
      Scored(event);
      break;
    case EventKind::InningsEnded:
      Ended(event);
      break;
    default:
      break;
  }
}

void BallByBall::Released(const GameEvent& event) {
  pending_ = {};
  pending_.pace = event.pace;
  pending_.pitchX = event.pitchX;
  pending_.pitchY = event.pitchY;
}

void BallByBall::Shot(const GameEvent& event) {
  pending_.shotPlayed = true;
  pending_.shot = event.shot;
  pending_.timingLine = event.timingLine;
  pending_.danger = event.danger;
}

void BallByBall::Scored(const GameEvent& event) {
  InningsRecord& innings = innings_[event.firstInnings ? 0 : 1];
  BallRecord ball = pending_;
  pending_ = {};
  ball.innings = innings.innings;
  ball.over = innings.board.overs;
  ball.outcome = event.outcome;
  // What the ball was worth is the game's word, told with the event.
  ball.symbol = SymbolOf(event);
  ball.runs = event.runs;
  ball.counted = event.counted;
  ball.wide = event.wide;
  ball.dismissal = DismissalOf(event);
  Count(innings, ball);
  ball.board = innings.board;
  ball.teamRuns = innings.runs;
  ball.teamWickets = innings.wickets;
  Tally(innings, ball);
  innings.balls.push_back(std::move(ball));
}

void BallByBall::Ended(const GameEvent& event) {
  innings_[event.innings == 2 ? 1 : 0].closed = true;
}

}  // namespace scorecard
