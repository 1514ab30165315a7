#pragma once
// Keeps the ball-by-ball record of the match from its events, and puts the
// scorecard up at the innings break (the first innings) and at the end (both),
// taking it down when the bowler runs in after the break or a new match begins.
// Escape in mid-match ends the program without a card.

#include "core/model/Events.h"
#include "core/ports/ScorecardOutput.h"
#include "core/ports/Settings.h"
#include "core/scorecard/BallByBall.h"

class ScorecardFeed : public EventListener {
 public:
  ScorecardFeed(const Panel& panel, ScorecardOutput& output) : options_(panel), output_(output) {}

  void OnMatchStarted() override;
  void OnEvent(const GameEvent& event) override;

  const scorecard::BallByBall& Record() const { return record_; }
  // The sides' names as the card last showed them (the panel may be gone since).
  const std::string& Team1() const { return team1_; }
  const std::string& Team2() const { return team2_; }

 private:
  void Show(bool matchOver);

  const Settings options_;
  ScorecardOutput& output_;
  scorecard::BallByBall record_;
  bool showingBreak_ = false;
  std::string team1_, team2_;
};
