// The scorer's book: every ball of the match written down from the event
// stream, with the totals the board shows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScoringEvents.h"
#include "core/scorecard/BallByBall.h"

namespace {

using namespace scoring_events;
using scorecard::BallByBall;
using scorecard::BoardOvers;
using scorecard::Dismissal;

void Feed(BallByBall& book, const std::vector<GameEvent>& events) {
  for (const GameEvent& e : events) book.OnEvent(e);
}

struct Kind {
  const char* outcome;
  const char* symbol;
  int runs, balls;
  bool wide;
  Dismissal dismissal;
  int fours, dots;
};

constexpr Kind kKinds[] = {
    {"Wide", "wd", 1, 0, true, Dismissal::None, 0, 0},
    {"No Run", ".", 0, 1, false, Dismissal::None, 0, 1},
    {"", ".", 0, 1, false, Dismissal::None, 0, 1},
    {"1 Run", "1", 1, 1, false, Dismissal::None, 0, 0},
    {"2 Runs", "2", 2, 1, false, Dismissal::None, 0, 0},
    {"3 Runs", "3", 3, 1, false, Dismissal::None, 0, 0},
    {"4 Runs", "4", 4, 1, false, Dismissal::None, 1, 0},
    {"Caught Out", "W", 0, 1, false, Dismissal::Caught, 0, 0},
    {"Your OUT!!!", "W", 0, 1, false, Dismissal::Bowled, 0, 0},
};

TEST(BallByBall, EachKindOfBallIsWrittenWithItsWorth) {
  for (bool first : {true, false}) {
    for (const Kind& k : kKinds) {
      SCOPED_TRACE(std::string("\"") + k.outcome + "\"" + (first ? " innings 1" : " innings 2"));
      BallByBall book;
      Feed(book, Balls({"1 Run", k.outcome}, first));
      const scorecard::InningsRecord& innings = book.Innings(first ? 1 : 2);
      EXPECT_TRUE(book.Innings(first ? 2 : 1).balls.empty());
      ASSERT_EQ(innings.balls.size(), 2u);
      const scorecard::BallRecord& ball = innings.balls[1];
      EXPECT_EQ(ball.innings, first ? 1 : 2);
      EXPECT_EQ(ball.symbol, k.symbol);
      EXPECT_EQ(ball.runs, k.runs);
      EXPECT_EQ(ball.wide, k.wide);
      EXPECT_EQ(ball.dismissal, k.dismissal);
      EXPECT_EQ(ball.board, (BoardOvers{0, 1 + k.balls}));
      EXPECT_EQ(innings.runs, 1 + k.runs);
      EXPECT_EQ(innings.wickets, k.dismissal == Dismissal::None ? 0 : 1);
      EXPECT_EQ(innings.wides, k.wide ? 1 : 0);
      EXPECT_EQ(innings.fours, k.fours);
      EXPECT_EQ(innings.dots, k.dots);
      EXPECT_EQ(innings.overs.at(0).symbols, (std::vector<std::string>{"1", k.symbol}));
    }
  }
}

TEST(BallByBall, ATextTheScorerDoesNotKnowIsNoBallAndNoSymbol) {
  BallByBall book;
  Feed(book, Balls({"wide", "4 runs", "1 Run"}));
  const auto& innings = book.Innings(1);
  EXPECT_EQ(innings.runs, 1);
  EXPECT_EQ(innings.board, (BoardOvers{0, 1}));
  EXPECT_EQ(innings.overs.at(0).symbols, (std::vector<std::string>{"1"}));
}

TEST(BallByBall, AnOverIsSixCountedBallsHoweverManyWides) {
  BallByBall book;
  Feed(book, Balls(Repeat("Wide", 3) + Repeat("No Run", 5) + Repeat("Wide", 1) +
                   Repeat("1 Run", 1) + Repeat("Wide", 1)));
  const auto& innings = book.Innings(1);
  EXPECT_EQ(innings.board, (BoardOvers{1, 0}));
  EXPECT_EQ(innings.runs, 6);
  EXPECT_EQ(innings.wides, 5);
  ASSERT_EQ(innings.overs.size(), 2u);
  EXPECT_EQ(innings.overs[0].symbols.size(), 10u);
  EXPECT_EQ(innings.overs[0].runs, 5);
  // The wide after the sixth counted ball opens the next over.
  EXPECT_EQ(innings.overs[1].symbols, (std::vector<std::string>{"wd"}));
  EXPECT_EQ(innings.balls.back().over, 1);
}

// How an innings closes, and the board it leaves: the tenth wicket stops the
// board where it stands, an over it completes included; the last over of the
// limit is carried as usual.
struct Close {
  const char* name;
  std::vector<std::string> outcomes;
  BoardOvers board;
  int runs, wickets;
  std::size_t overs;
};

const std::vector<Close> kCloses = {
    {"over limit of two", Repeat("1 Run", 12), {2, 0}, 12, 0, 2},
    {"over limit of none, on a wide", {"Wide"}, {0, 0}, 1, 0, 1},
    {"over limit of none, on a ball", {"2 Runs"}, {0, 1}, 2, 0, 1},
    {"tenth wicket on the fifth ball of the second over",
     Repeat("Caught Out", 9) + Repeat("4 Runs", 1) + Repeat("Your OUT!!!", 1),
     {1, 5},
     4,
     10,
     2},
    {"all out in ten balls", Repeat("Your OUT!!!", 10), {1, 4}, 0, 10, 2},
    {"six wickets in one over, wides between",
     Repeat("No Run", 6) + Repeat("Wide", 2) + Repeat("Caught Out", 6) + Repeat("Wide", 1) +
         Repeat("Caught Out", 4),
     {2, 4},
     3,
     10,
     3},
    {"tenth wicket completing the second over",
     Repeat("No Run", 2) + Repeat("Caught Out", 10),
     {1, 6},
     0,
     10,
     2},
};

TEST(BallByBall, AnInningsClosesWithTheBoardAsItStood) {
  for (const Close& c : kCloses) {
    SCOPED_TRACE(c.name);
    BallByBall book;
    Feed(book, Balls(c.outcomes));
    book.OnEvent(Ended(1));
    const auto& innings = book.Innings(1);
    EXPECT_TRUE(innings.closed);
    EXPECT_EQ(innings.board, c.board);
    EXPECT_EQ(innings.runs, c.runs);
    EXPECT_EQ(innings.wickets, c.wickets);
    EXPECT_EQ(innings.overs.size(), c.overs);
    EXPECT_FALSE(book.Innings(2).Started());
  }
}

TEST(BallByBall, EachWicketFallsAtTheScoreAndTheBoardOfItsBall) {
  BallByBall book;
  Feed(book, Balls({"4 Runs", "Wide", "Caught Out", "1 Run", "2 Runs", "No Run", "Your OUT!!!",
                    "Your OUT!!!"}));
  const auto& fall = book.Innings(1).fall;
  ASSERT_EQ(fall.size(), 3u);
  EXPECT_EQ(fall[0].wicket, 1);
  EXPECT_EQ(fall[0].runs, 5);
  EXPECT_EQ(fall[0].at, (BoardOvers{0, 2}));
  // The sixth ball of the over: the board has moved on to 1.0.
  EXPECT_EQ(fall[1].runs, 8);
  EXPECT_EQ(fall[1].at, (BoardOvers{1, 0}));
  EXPECT_EQ(fall[2].wicket, 3);
  EXPECT_EQ(fall[2].at, (BoardOvers{1, 1}));
}

TEST(BallByBall, ABallKeepsItsDeliveryAndTheShotPlayedAtIt) {
  BallByBall book;
  Feed(book, {Released(2, 310, 250), Shot(4, 7, 3), Scored("Caught Out"), Released(1, 290, 270),
              Scored(""), Released(0, 300, 230), Shot(0, 2, 2), Scored("Caught Out")});
  const auto& balls = book.Innings(1).balls;
  ASSERT_EQ(balls.size(), 3u);
  EXPECT_EQ(balls[0].pace, 2);
  EXPECT_EQ(balls[0].pitchX, 310);
  EXPECT_EQ(balls[0].pitchY, 250);
  EXPECT_TRUE(balls[0].shotPlayed);
  EXPECT_EQ(balls[0].shot, 4);
  EXPECT_EQ(balls[0].timingLine, 7);
  EXPECT_EQ(balls[0].danger, 3);
  EXPECT_EQ(balls[0].dismissal, Dismissal::Caught);
  EXPECT_EQ(balls[0].outcome, Outcome::Caught);
  // No shot at the next ball: the last one's is not carried over.
  EXPECT_FALSE(balls[1].shotPlayed);
  EXPECT_EQ(balls[1].pace, 1);
  // A defensive shot (code 0) is a shot played all the same.
  EXPECT_TRUE(balls[2].shotPlayed);
  EXPECT_EQ(balls[2].shot, 0);
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
  EXPECT_FALSE(book.Innings(2).closed);
  book.Reset();
  for (int i : {1, 2}) {
    EXPECT_FALSE(book.Innings(i).Started());
    EXPECT_EQ(book.Innings(i).innings, i);
    EXPECT_EQ(book.Innings(i).runs, 0);
  }
}

}  // namespace
