#pragma once
// The scorecard as plain text, for the clipboard and the replay driver.

#include <string>

#include "core/model/InningsRecord.h"

namespace scorecard {

// The board's way of writing overs: "3.4".
std::string BoardText(BoardOvers board);

// One over's symbols joined by spaces: ". 1 W wd 4".
std::string OverText(const OverRecord& over);

// "Team1  23/2  (3.4 overs)".
std::string HeaderText(const InningsRecord& innings, const std::string& team);

// "Wides 2   Fours 3   Dots 8".
std::string TalliesText(const InningsRecord& innings);

// "1-5 (0.3), 2-17 (2.3)", or "none".
std::string FallText(const InningsRecord& innings);

// One innings: header, tallies, fall of wickets, then a line per over with
// its total ("Over 3: 4 . 1 W wd 2 . = 8").
std::string InningsText(const InningsRecord& innings, const std::string& team);

// The first innings alone (second null, at the innings break) or both, a blank
// line between them.
std::string ScorecardText(const InningsRecord& first, const std::string& team1,
                          const InningsRecord* second, const std::string& team2);

}  // namespace scorecard
