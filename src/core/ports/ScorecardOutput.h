#pragma once
// Where the scorecard is shown: a window beside the result dialog in the game,
// a line of JSON for each innings in the replay driver.

#include <string>

#include "core/model/InningsRecord.h"

class ScorecardOutput {
 public:
  virtual ~ScorecardOutput() = default;
  // The card of the match so far: the first innings alone at the break
  // (matchOver false), both at the end. The records outlive the call.
  virtual void ShowScorecard(const scorecard::InningsRecord& first,
                             const scorecard::InningsRecord& second, const std::string& team1,
                             const std::string& team2, bool matchOver) = 0;
  virtual void CloseScorecard() = 0;
};
