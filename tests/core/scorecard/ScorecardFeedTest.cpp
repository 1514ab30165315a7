// When the scorecard goes up and comes down, from the match's events alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

GameEvent Scored(int runs, bool first) {
  return {.kind = EventKind::BallScored,
          .outcome = runs == 4 ? Outcome::FourRuns : Outcome::NoRun,
          .runs = runs,
          .firstInnings = first};
}

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
      {{.kind = EventKind::RunUpStarted}, {}},
      {Scored(4, true), {}},
      {{.kind = EventKind::InningsEnded, .innings = 1}, {"first Lions Team2 4"}},
      {{.kind = EventKind::BallReleased}, {"first Lions Team2 4"}},  // nothing bowled yet
      {{.kind = EventKind::RunUpStarted}, {"first Lions Team2 4", "closed"}},
      {{.kind = EventKind::RunUpStarted}, {"first Lions Team2 4", "closed"}},
      {Scored(0, false), {"first Lions Team2 4", "closed"}},
      {{.kind = EventKind::InningsEnded, .innings = 2}, {"first Lions Team2 4", "closed"}},
      {{.kind = EventKind::MatchEnded}, {"first Lions Team2 4", "closed", "both Lions Team2 4"}},
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
