// When the scorecard goes up and comes down, from the match's events alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameEvents.h"
#include "core/scorecard/ScorecardFeed.h"
#include "fakes/Fakes.h"

namespace {

struct Window : ScorecardOutput {
  void ShowScorecard(const scorecard::InningsRecord& first, const scorecard::InningsRecord&,
                     const std::string& team1, const std::string& team2, bool matchOver) override {
    seen.push_back((matchOver ? "both " : "first ") + team1 + " " + team2 + " " +
                   std::to_string(first.runs));
  }
  void CloseScorecard() override { seen.push_back("closed"); }
  std::vector<std::string> seen;
};

using namespace game_events;

}  // namespace

TEST(ScorecardFeed, UpAtTheBreakDownAtTheNextRunUpUpAgainAtTheEnd) {
  fakes::FakeForms panel;
  panel.SetText(TextBox::Text1, "Lions");
  Window window;
  ScorecardFeed feed(panel, window);
  const struct {
    GameEvent event;
    std::vector<std::string> after;
  } steps[] = {
      {Event(EventKind::RunUpStarted), {}},
      {Scored("4 Runs"), {}},
      {Ended(1), {"first Lions Team2 4"}},
      {Event(EventKind::BallReleased), {"first Lions Team2 4"}},  // nothing bowled yet
      {Event(EventKind::RunUpStarted), {"first Lions Team2 4", "closed"}},
      {Event(EventKind::RunUpStarted), {"first Lions Team2 4", "closed"}},
      {Scored("No Run", false), {"first Lions Team2 4", "closed"}},
      {Ended(2), {"first Lions Team2 4", "closed"}},
      {Event(EventKind::MatchEnded), {"first Lions Team2 4", "closed", "both Lions Team2 4"}},
  };
  feed.OnMatchStarted();
  window.seen.clear();
  for (const auto& step : steps) {
    feed.OnEvent(step.event);
    EXPECT_EQ(window.seen, step.after) << EventName(step.event.kind);
  }
  feed.OnMatchStarted();  // a new match: the card goes, the record is empty
  EXPECT_EQ(window.seen.back(), "closed");
  EXPECT_EQ(feed.Record().Innings(1).runs, 0);
}
