// The scorer's book and the scoreboard count the same: the book hears the
// game's own scoring tell each ball, and after every ball the book's runs,
// wickets, overs and balls are what the board shows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/scorecard/BallByBall.h"
#include "core/scoring/Scoring.h"
#include "fakes/Fakes.h"

namespace {

const std::vector<std::string> kOutcomes = {
    "Wide", "No Run", "", "1 Run", "2 Runs", "3 Runs", "4 Runs", "Caught Out", "Your OUT!!!"};

// A long, uneven innings: every kind of ball, in a walk that visits them in
// changing orders, until the board closes the innings.
struct Walk {
  const char* overLimit;
  int stride;
};

constexpr Walk kWalks[] = {{"3", 1}, {"5", 2}, {"50", 4}, {"50", 5}, {"0", 3}, {"1", 7}};

TEST(BoardAgreement, AfterEveryBallTheBookShowsWhatTheBoardShows) {
  for (const Walk& walk : kWalks) {
    SCOPED_TRACE(std::string("limit ") + walk.overLimit + " stride " + std::to_string(walk.stride));
    fakes::MatchRig rig;
    rig.panel.SetText(TextBox::Text3, walk.overLimit);
    MatchState& s = rig.S;
    s.FirstInnings = true;
    scorecard::BallByBall book;
    rig.events.Listen(book);
    for (int i = 0; s.FirstInnings && i < 1000; ++i) {
      s.OutcomeText = kOutcomes[(i * walk.stride + i / 9) % kOutcomes.size()];
      ScoreBall(rig.match);
      const auto& innings = book.Innings(1);
      ASSERT_EQ(innings.runs, s.Team1Runs);
      ASSERT_EQ(innings.wickets, s.Team1Wickets);
      if (s.FirstInnings) {
        ASSERT_EQ(innings.board, (scorecard::BoardOvers{s.OversBowled, s.BallsInOver}));
      }
    }
    EXPECT_FALSE(s.FirstInnings);
  }
}

}  // namespace
