#include "core/scorecard/ScorecardText.h"

#include <cstddef>

namespace scorecard {

std::string BoardText(BoardOvers board) {
  return std::to_string(board.overs) + "." + std::to_string(board.balls);
}

std::string OverText(const OverRecord& over) {
  std::string text;
  for (const std::string& symbol : over.symbols) text += (text.empty() ? "" : " ") + symbol;
  return text;
}

std::string HeaderText(const InningsRecord& innings, const std::string& team) {
  if (!innings.Started()) return team + "  yet to bat";
  return team + "  " + std::to_string(innings.runs) + "/" + std::to_string(innings.wickets) +
         "  (" + BoardText(innings.board) + " overs)";
}

std::string TalliesText(const InningsRecord& innings) {
  return "Wides " + std::to_string(innings.wides) + "   Fours " + std::to_string(innings.fours) +
         "   Dots " + std::to_string(innings.dots);
}

std::string FallText(const InningsRecord& innings) {
  if (innings.fall.empty()) return "none";
  std::string text;
  for (const FallOfWicket& fall : innings.fall) {
    if (!text.empty()) text += ", ";
    text += std::to_string(fall.wicket) + "-" + std::to_string(fall.runs) + " (" +
            BoardText(fall.at) + ")";
  }
  return text;
}

std::string InningsText(const InningsRecord& innings, const std::string& team) {
  std::string text = HeaderText(innings, team) + "\n";
  if (!innings.Started()) return text;
  text += TalliesText(innings) + "\n";
  text += "Fall of wickets: " + FallText(innings) + "\n";
  for (std::size_t i = 0; i < innings.overs.size(); ++i)
    text += "Over " + std::to_string(i + 1) + ": " + OverText(innings.overs[i]) + " = " +
            std::to_string(innings.overs[i].runs) + "\n";
  return text;
}

std::string ScorecardText(const InningsRecord& first, const std::string& team1,
                          const InningsRecord* second, const std::string& team2) {
  std::string text = InningsText(first, team1);
  if (second) text += "\n" + InningsText(*second, team2);
  return text;
}

}  // namespace scorecard
