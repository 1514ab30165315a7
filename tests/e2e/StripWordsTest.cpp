// The commentary strip's words as the replay driver writes them, played
// through the real game, where the golden traces do not reach: the chase won
// with balls to come, an overs box with no limit, the field without the keyboard.
#include <gtest/gtest.h>

#include <string>

#include "ReplayHarness.h"

namespace {

// Team 1's one ball is stopped by the pads; then the box gives team 2 an over,
// and its first ball is a wide: past the target, with five balls to come.
constexpr const char* kWonWithBallsLeft =
    "select OptionBOWLe\ntext Text3 0\nbegin\npress 101\ntick 30\npress 101\ntick 91\n"
    "press 32\ntext Text3 1\npress 101\ntick 30\npress 101\ntick 91\n";

TEST(StripWords, EachSaidWhereThePlayGivesIt) {
  const struct {
    const char* script;
    const char* line;
  } cases[] = {
      {kWonWithBallsLeft, R"("Team2 have won: the rest of the innings is played out"]})"},
      {"text Text3 2.5\nbegin\n",
       R"({"commentary":["Bowler: pace 1, 2 or 3, then 5 to run in","","No over limit: each innings ends at ten wickets"]})"},
      {"begin\nfocus panel\n",
       R"({"commentary":["Click the field to play","","Team1 0/0 after 0.0 of 1 over"]})"},
  };
  for (const auto& c : cases) {
    const ReplayResult result = RunReplay(c.script);
    EXPECT_TRUE(result.Has(c.line)) << c.line << "\n" << result.text;
  }
}

// A click on the field gives it the keyboard back: the strip says again what to do.
TEST(StripWords, ClickingTheFieldTakesClickTheFieldAway) {
  const ReplayResult result = RunReplay("begin\nfocus panel\nfocus field\nprint QuitGame\n");
  std::vector<std::string> firstLines;
  for (const QJsonObject& line : result.lines)
    if (line.contains("commentary"))
      firstLines.push_back(line["commentary"].toArray()[0].toString().toStdString());
  EXPECT_EQ(firstLines, (std::vector<std::string>{"Bowler: pace 1, 2 or 3, then 5 to run in",
                                                  "Click the field to play",
                                                  "Bowler: pace 1, 2 or 3, then 5 to run in"}));
}

}  // namespace
