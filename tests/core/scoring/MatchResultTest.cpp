// The end of the match: the result line, and the match loop told to stop.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/scoring/Innings.h"
#include "fakes/Fakes.h"

namespace {

struct Result {
  int team1Runs, team2Runs;
  int team1Wickets, team2Wickets;
  const char* team1;
  const char* team2;
  const char* line;
};

constexpr Result kResults[] = {
    {120, 80, 10, 2, "Lions", "Tigers", "Lions are the winners"},
    {80, 120, 0, 10, "Lions", "Tigers", "Tigers are the winners"},
    {1, 0, 10, 0, "Lions", "Tigers", "Lions are the winners"},
    {50, 50, 10, 0, "Lions", "Tigers", "It's a draw"},
    {0, 0, 0, 0, "Lions", "Tigers", "It's a draw"},
    {9, 3, 0, 0, "", "Tigers", " are the winners"},
    {3, 9, 0, 0, "Lions", "", " are the winners"},
    {3, 9, 0, 0, "Lions", "Team 2 ", "Team 2  are the winners"},
};

TEST(MatchResult, RunsAloneNameTheWinnersFromTheBoxesAsTheyStand) {
  for (const Result& r : kResults) {
    SCOPED_TRACE(std::to_string(r.team1Runs) + " v " + std::to_string(r.team2Runs));
    fakes::Rig rig;
    MatchState& s = rig.game.S;
    s.FirstInnings = false;
    s.Team1Runs = static_cast<i16>(r.team1Runs);
    s.Team2Runs = static_cast<i16>(r.team2Runs);
    s.Team1Wickets = static_cast<i16>(r.team1Wickets);
    s.Team2Wickets = static_cast<i16>(r.team2Wickets);
    rig.forms.SetText(TextBox::Text1, r.team1);
    rig.forms.SetText(TextBox::Text2, r.team2);
    EndInnings(rig.game.M);
    EXPECT_EQ(rig.forms.resultLine, r.line);
    EXPECT_TRUE(s.QuitGame);
    EXPECT_FALSE(s.InningsBreak);
    EXPECT_FALSE(s.FirstInnings);
    EXPECT_EQ(rig.forms.log, (std::vector<std::string>{"hide", "show Form1"}));
    // The score stays on the board for the match loop to clear.
    EXPECT_EQ(s.Team1Runs, r.team1Runs);
    EXPECT_EQ(s.Team2Wickets, r.team2Wickets);
  }
}

}  // namespace
