// The scorecard as text: an over's symbols and a whole card.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameEvents.h"
#include "core/scorecard/BallByBall.h"
#include "core/scorecard/ScorecardText.h"

namespace {

using namespace game_events;

struct OverCase {
  std::vector<std::string> symbols;
  const char* text;
};

TEST(ScorecardText, AnOverIsItsSymbolsJoinedBySpaces) {
  const OverCase cases[] = {
      {{}, ""},
      {{"."}, "."},
      {{".", "1", "W", "wd", "4", "2", "3"}, ". 1 W wd 4 2 3"},
      {{"wd", "wd", "wd"}, "wd wd wd"},
  };
  for (const OverCase& c : cases) {
    scorecard::OverRecord over;
    over.symbols = c.symbols;
    EXPECT_EQ(scorecard::OverText(over), c.text);
  }
}

TEST(ScorecardText, TheCardHasEachInningsFiguresAndOvers) {
  scorecard::BallByBall book;
  for (const GameEvent& e : Balls({"4 Runs", "Wide", "", "Caught Out", "1 Run", "2 Runs", "No Run",
                                   "Wide", "Your OUT!!!"}))
    book.OnEvent(e);
  book.OnEvent(Ended(1));
  for (const GameEvent& e : Balls({"3 Runs"}, false)) book.OnEvent(e);

  EXPECT_EQ(scorecard::ScorecardText(book.Innings(1), "Lions", nullptr, "Tigers"),
            "Lions  9/2  (1.1 overs)\n"
            "Wides 2   Fours 1   Dots 2\n"
            "Fall of wickets: 1-5 (0.3), 2-9 (1.1)\n"
            "Over 1: 4 wd . W 1 2 . = 8\n"
            "Over 2: wd W = 1\n");
  const std::string both =
      scorecard::ScorecardText(book.Innings(1), "Lions", &book.Innings(2), "Tigers");
  EXPECT_NE(both.find("Over 2: wd W = 1\n\nTigers  3/0  (0.1 overs)\n"), std::string::npos) << both;
  EXPECT_NE(both.find("Fall of wickets: none\nOver 1: 3 = 3\n"), std::string::npos) << both;
}

TEST(ScorecardText, ASideThatHasNotBattedIsYetToBat) {
  scorecard::BallByBall book;
  EXPECT_EQ(scorecard::InningsText(book.Innings(2), "Tigers"), "Tigers  yet to bat\n");
}

}  // namespace
