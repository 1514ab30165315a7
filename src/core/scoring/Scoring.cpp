#include "core/scoring/Scoring.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/Match.h"
#include "core/model/NumberText.h"
#include "core/model/Outcome.h"
#include "core/scoring/Innings.h"

namespace {

// What one ball is worth to the batting side. A wide is a run to the batsmen
// but not a ball of the over; a ball left alone still counts as bowled.
struct OutcomeWorth {
  std::string_view text;
  i16 runs;
  bool wicket;
  bool counted;
};

constexpr std::array<OutcomeWorth, 9> kOutcomeWorth{{
    //  outcome              runs  wicket  counted ball
    {outcome::kWide, 1, false, false},
    {outcome::kNoRun, 0, false, true},
    {outcome::kNone, 0, false, true},
    {outcome::kOneRun, 1, false, true},
    {outcome::kTwoRuns, 2, false, true},
    {outcome::kThreeRuns, 3, false, true},
    {outcome::kFourRuns, 4, false, true},
    {outcome::kCaught, 0, true, true},
    {outcome::kBowled, 0, true, true},
}};

constexpr OutcomeWorth kWorthless{"", 0, false, false};

constexpr i16 kAllOut = 10;
constexpr i16 kBallsPerOver = 6;

// Compared whole and case-sensitively: anything else ("wide", "4 runs") is worth nothing.
OutcomeWorth WorthOf(const std::string& text) {
  for (const OutcomeWorth& worth : kOutcomeWorth)
    if (worth.text == text) return worth;
  return kWorthless;
}

// The overs per innings are read from the panel at every ball, so a change made
// during the match counts at once. A box holding no number, or a fraction, never
// matches a whole count of overs: the innings then runs on until the side is out.
bool OverLimitReached(const Match& g) {
  const std::optional<double> limit = ReadNumber(g.TextOf(TextBox::Text3));
  return limit && *limit == static_cast<double>(g.S.OversBowled);
}

}  // namespace

void ScoreBall(Match& g) {
  MatchState& s = g.S;
  const OutcomeWorth worth = WorthOf(s.OutcomeText);
  i16& runs = s.FirstInnings ? s.Team1Runs : s.Team2Runs;
  i16& wickets = s.FirstInnings ? s.Team1Wickets : s.Team2Wickets;

  runs = int16::Add(runs, worth.runs);
  if (worth.wicket) wickets = int16::Add(wickets, 1);
  if (worth.counted) s.BallsInOver = int16::Add(s.BallsInOver, 1);
  g.Tell({.kind = EventKind::BallScored,
          .outcome = s.OutcomeText,
          .runs = worth.runs,
          .wicket = worth.wicket,
          .wide = s.OutcomeText == outcome::kWide,
          .counted = worth.counted,
          .teamRuns = runs,
          .teamWickets = wickets,
          .crossX = s.BallCrossX,
          .firstInnings = s.FirstInnings});

  // The last wicket closes the innings on this ball; the over it may have
  // completed belongs to the innings just closed, never to the next one.
  if (wickets == kAllOut) {
    EndInnings(g);
    return;
  }

  if (s.BallsInOver == kBallsPerOver) {
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
