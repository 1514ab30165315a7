#pragma once
// Matches for the scorecard window's tests and pictures.

#include <string>
#include <vector>

#include "GameEvents.h"
#include "core/scorecard/BallByBall.h"

namespace match_records {

// Feeds the innings' outcomes to the book and closes the innings.
inline void Innings(scorecard::BallByBall& book, const std::vector<std::string>& outcomes,
                    int innings) {
  for (const GameEvent& e : game_events::Balls(outcomes, innings == 1)) book.OnEvent(e);
  book.OnEvent(game_events::Ended(innings));
}

// A plausible innings of the given overs: a fixed walk through the outcomes,
// weighted as a side that bats fairly well sees them, to ten wickets at most.
inline std::vector<std::string> Plausible(int overs, unsigned seed) {
  static const char* const kBag[] = {
      "No Run", "1 Run",  "",       "2 Runs",     "1 Run",  "4 Runs", "No Run", "Wide",
      "1 Run",  "3 Runs", "",       "Caught Out", "1 Run",  "2 Runs", "No Run", "4 Runs",
      "1 Run",  "2 Runs", "1 Run",  "4 Runs",     "No Run", "1 Run",  "2 Runs", "Your OUT!!!",
      "1 Run",  "No Run", "4 Runs", "1 Run"};
  std::vector<std::string> outcomes;
  int counted = 0, wickets = 0;
  while (counted < overs * 6 && wickets < 10) {
    seed = seed * 1103515245u + 12345u;
    const std::string outcome = kBag[(seed >> 16) % (sizeof kBag / sizeof kBag[0])];
    outcomes.push_back(outcome);
    if (outcome != "Wide") ++counted;
    if (outcome == "Caught Out" || outcome == "Your OUT!!!") ++wickets;
  }
  return outcomes;
}

}  // namespace match_records
