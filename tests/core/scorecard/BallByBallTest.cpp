// The scorer's book: every ball of the match written down from the event
// stream. Its totals against the board are checked in BoardAgreementTest, the
// symbols and figures of a whole card in ScorecardTextTest.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameEvents.h"
#include "core/scorecard/BallByBall.h"

namespace {

using namespace game_events;
using scorecard::BallByBall;
using scorecard::BoardOvers;
using scorecard::Dismissal;

void Feed(BallByBall& book, const std::vector<GameEvent>& events) {
  for (const GameEvent& e : events) book.OnEvent(e);
}

TEST(BallByBall, ATextTheScorerDoesNotKnowIsNoBallAndNoSymbol) {
  BallByBall book;
  Feed(book, Balls({"wide", "4 runs", "1 Run"}));
  const auto& innings = book.Innings(1);
  EXPECT_EQ(innings.runs, 1);
  EXPECT_EQ(innings.board, (BoardOvers{0, 1}));
  EXPECT_EQ(innings.overs.at(0).symbols, (std::vector<std::string>{"1"}));
}

// How an innings closes, and the board it leaves: the tenth wicket stops the
// board where it stands, an over it completes included; the last over of the
// limit is carried as usual.
TEST(BallByBall, AnInningsClosesWithTheBoardAsItStood) {
  const struct {
    const char* name;
    std::vector<std::string> outcomes;
    BoardOvers board;
    std::size_t overs;
  } cases[] = {
      {"over limit of two", Repeat("1 Run", 12), {2, 0}, 2},
      {"over limit of none, on a wide", {"Wide"}, {0, 0}, 1},
      {"all out in ten balls", Repeat("Your OUT!!!", 10), {1, 4}, 2},
      {"tenth wicket completing the second over",
       Repeat("No Run", 2) + Repeat("Caught Out", 10),
       {1, 6},
       2},
  };
  for (const auto& c : cases) {
    BallByBall book;
    Feed(book, Balls(c.outcomes));
    book.OnEvent(Ended(1));
    const auto& innings = book.Innings(1);
    EXPECT_TRUE(innings.closed) << c.name;
    EXPECT_EQ(innings.board, c.board) << c.name;
    EXPECT_EQ(innings.overs.size(), c.overs) << c.name;
    EXPECT_FALSE(book.Innings(2).Started()) << c.name;
  }
}

TEST(BallByBall, ABallKeepsItsDeliveryAndTheShotPlayedAtIt) {
  BallByBall book;
  Feed(book, {Released(2, 310, 250), Shot(4, 7, 3), Scored("Caught Out"), Released(1, 290, 270),
              Scored(""), Released(0, 300, 230), Shot(0, 2, 2), Scored("Your OUT!!!")});
  const auto& balls = book.Innings(1).balls;
  ASSERT_EQ(balls.size(), 3u);
  EXPECT_EQ(std::tuple(balls[0].pace, balls[0].pitchX, balls[0].pitchY), std::tuple(2, 310, 250));
  EXPECT_TRUE(balls[0].shotPlayed);
  EXPECT_EQ(std::tuple(balls[0].shot, balls[0].timingLine, balls[0].danger), std::tuple(4, 7, 3));
  EXPECT_EQ(balls[0].dismissal, Dismissal::Caught);
  EXPECT_EQ(balls[0].outcome, Outcome::Caught);
  // No shot at the next ball: the last one's is not carried over.
  EXPECT_FALSE(balls[1].shotPlayed);
  EXPECT_EQ(balls[1].pace, 1);
  // A defensive shot (code 0) is a shot played all the same.
  EXPECT_TRUE(balls[2].shotPlayed);
  EXPECT_EQ(balls[2].shot, 0);
  EXPECT_EQ(balls[2].dismissal, Dismissal::Bowled);
}

TEST(BallByBall, BothInningsAreKeptApartAndResetClearsThem) {
  BallByBall book;
  Feed(book, Balls({"4 Runs", "Caught Out"}));
  book.OnEvent(Ended(1));
  Feed(book, Balls({"1 Run"}, false));
  EXPECT_EQ(book.Innings(1).runs, 4);
  EXPECT_EQ(book.Innings(2).runs, 1);
  EXPECT_EQ(book.Innings(2).wickets, 0);
  EXPECT_EQ(book.Innings(2).board, (BoardOvers{0, 1}));
  EXPECT_EQ(book.Innings(2).balls.at(0).innings, 2);
  EXPECT_FALSE(book.Innings(2).closed);
  book.Reset();
  for (int i : {1, 2}) {
    EXPECT_FALSE(book.Innings(i).Started());
    EXPECT_EQ(book.Innings(i).innings, i);
    EXPECT_EQ(book.Innings(i).runs, 0);
  }
}

}  // namespace
