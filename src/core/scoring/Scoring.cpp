#include "core/scoring/Scoring.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/match/Match.h"
#include "core/model/Laws.h"
#include "core/model/NumberText.h"
#include "core/model/Outcome.h"
#include "core/scoring/Innings.h"

namespace {

// The overs per innings are read from the panel at every ball, so a change made
// during the match counts at once. A box holding no number, or a fraction, never
// matches a whole count of overs: the innings then runs on until the side is out.
bool OverLimitReached(const Match& g) {
  const std::optional<double> limit = ReadNumber(g.Options.OversText());
  return limit && *limit == static_cast<double>(g.S.OversBowled);
}

}  // namespace

void ScoreBall(Match& g) {
  MatchState& s = g.S;
  const Outcome outcome = OutcomeOf(s.OutcomeText);
  const OutcomeRow& worth = RowOf(outcome);
  i16& runs = s.FirstInnings ? s.Team1Runs : s.Team2Runs;
  i16& wickets = s.FirstInnings ? s.Team1Wickets : s.Team2Wickets;

  runs = int16::Add(runs, static_cast<i16>(worth.runs));
  if (worth.wicket) wickets = int16::Add(wickets, 1);
  if (worth.counted) s.BallsInOver = int16::Add(s.BallsInOver, 1);
  g.Tell({.kind = EventKind::BallScored,
          .outcome = outcome,
          .runs = worth.runs,
          .wicket = worth.wicket,
          .wide = outcome == Outcome::Wide,
          .counted = worth.counted,
          .teamRuns = runs,
          .teamWickets = wickets,
          .crossX = s.BallCrossX,
          .firstInnings = s.FirstInnings});

  // The last wicket closes the innings on this ball; the over it may have
  // completed belongs to the innings just closed, never to the next one.
  if (wickets == laws::kAllOut) {
    EndInnings(g);
    return;
  }

  if (s.BallsInOver == laws::kBallsPerOver) {
    s.BallsInOver = 0;
    s.OversBowled = int16::Add(s.OversBowled, 1);
  }
  if (OverLimitReached(g)) EndInnings(g);
}

void ResetScore(MatchState& s) {
  s.Team1Runs = s.Team2Runs = 0;
  s.Team1Wickets = s.Team2Wickets = 0;
  s.BallsInOver = 0;
  s.OversBowled = 0;
  s.FirstInnings = true;
}
