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
    {50, 50, 10, 0, "Lions", "Tigers", "It's a draw"},
    {9, 3, 0, 0, "", "Tigers", " are the winners"},
    {3, 9, 0, 0, "Lions", "Team 2 ", "Team 2  are the winners"},
};

TEST(MatchResult, RunsAloneNameTheWinnersFromTheBoxesAsTheyStand) {
  for (const Result& r : kResults) {
    SCOPED_TRACE(std::to_string(r.team1Runs) + " v " + std::to_string(r.team2Runs));
    fakes::MatchRig rig;
    MatchState& s = rig.S;
    s.FirstInnings = false;
    s.Team1Runs = static_cast<i16>(r.team1Runs);
    s.Team2Runs = static_cast<i16>(r.team2Runs);
    s.Team1Wickets = static_cast<i16>(r.team1Wickets);
    s.Team2Wickets = static_cast<i16>(r.team2Wickets);
    rig.panel.SetText(TextBox::Text1, r.team1);
    rig.panel.SetText(TextBox::Text2, r.team2);
    EndInnings(rig.match);
    EXPECT_EQ(rig.results, std::vector<std::string>{r.line});
    EXPECT_TRUE(s.QuitGame);
    EXPECT_FALSE(s.InningsBreak);
    EXPECT_FALSE(s.FirstInnings);
    // The score stays on the board for the match loop to clear.
    EXPECT_EQ(s.Team1Runs, r.team1Runs);
    EXPECT_EQ(s.Team2Wickets, r.team2Wickets);
  }
}

}  // namespace
