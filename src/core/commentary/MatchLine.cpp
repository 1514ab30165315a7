#include <string>

#include "core/commentary/CommentaryText.h"
#include "core/commentary/CommentaryWords.h"
#include "core/commentary/SituationLines.h"
#include "core/model/Laws.h"

namespace commentary {
namespace {

std::string Team1(const PlaySituation& now) {
  return CapName(now.team1, words::kTeam1);
}
std::string Team2(const PlaySituation& now) {
  return CapName(now.team2, words::kTeam2);
}
std::string Num(int n) {
  return std::to_string(n);
}

int BallsBowled(const PlaySituation& now) {
  return now.oversBowled * laws::kBallsPerOver + now.ballsInOver;
}

// Balls left in the innings, known only when the overs per innings are a whole
// number not yet passed; otherwise the innings runs until the side is out.
std::optional<int> BallsLeft(const PlaySituation& now) {
  if (!now.oversPerInnings) return std::nullopt;
  const int left = *now.oversPerInnings * laws::kBallsPerOver - BallsBowled(now);
  if (left <= 0) return std::nullopt;
  return left;
}

// "Lions 8/0 after 0.3 of 2 overs" (or "of 1 over"), without the limit when there is none.
std::string FirstInningsScore(const PlaySituation& now) {
  const std::string overs = Num(now.oversBowled) + "." + Num(now.ballsInOver);
  const std::string team = Team1(now), runs = Num(now.team1Runs), out = Num(now.team1Wickets);
  const int limit = now.oversPerInnings.value_or(0);
  if (limit == 1) return Fill(words::kFirstInningsOfOne, {team, runs, out, overs});
  if (limit > 0) return Fill(words::kFirstInningsOf, {team, runs, out, overs, Num(limit)});
  return Fill(words::kFirstInnings, {team, runs, out, overs});
}

std::string FirstInnings(const PlaySituation& now) {
  const std::string score = FirstInningsScore(now);
  const int balls = BallsBowled(now);
  if (balls <= 0) return score;  // no rate before a ball has counted
  return Fill(words::kRunRate, {score, RunRate(now.team1Runs, balls)});
}

std::string Target(const PlaySituation& now) {
  return Fill(words::kTarget, {Team1(now), Num(now.team1Runs), Num(now.team1Wickets), Team2(now),
                               Num(now.team1Runs + 1)});
}

// Runs decide: one more than team 1's total wins, equal is a draw. A side that
// has gone past the total has won, and bats on to the end of its innings all
// the same. Scores are level only once the chase has scored.
std::string Chase(const PlaySituation& now) {
  const int need = now.team1Runs + 1 - now.team2Runs;
  if (need <= 0) return Fill(words::kWonPlayingOut, {Team2(now)});
  const std::optional<int> left = BallsLeft(now);
  const std::string balls = left ? BallsText(*left) : std::string();
  if (need == 1 && now.team2Runs > 0)
    return left ? Fill(words::kLevelFrom, {Num(now.team1Runs), Team2(now), balls})
                : Fill(words::kLevel, {Num(now.team1Runs), Team2(now)});
  return left ? Fill(words::kNeedFrom, {Team2(now), Num(need), balls})
              : Fill(words::kNeed, {Team2(now), Num(need)});
}

std::string Result(const PlaySituation& now) {
  if (now.team1Runs == now.team2Runs) return Fill(words::kDraw, {Num(now.team1Runs)});
  const bool team1Won = now.team1Runs > now.team2Runs;
  const std::string winners = team1Won ? Team1(now) : Team2(now);
  const PlaySituation& s = now;
  return team1Won ? Fill(words::kWinners, {winners, Num(s.team1Runs), Num(s.team1Wickets),
                                           Num(s.team2Runs), Num(s.team2Wickets)})
                  : Fill(words::kWinners, {winners, Num(s.team2Runs), Num(s.team2Wickets),
                                           Num(s.team1Runs), Num(s.team1Wickets)});
}

}  // namespace

std::string MatchLine(const PlaySituation& now, bool matchOver) {
  if (matchOver) return Result(now);
  if (now.inningsBreak) return Target(now);
  return now.firstInnings ? FirstInnings(now) : Chase(now);
}

}  // namespace commentary
