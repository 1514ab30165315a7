#pragma once
// Hands each match to the history when it closes, finished or abandoned: the
// board as it stands (the panel's names and boxes, both sides' scores), the
// result line, every ball of the scorer's book and the journal's script.

#include <functional>
#include <string>

#include "core/journal/MatchJournal.h"
#include "core/match/MatchView.h"
#include "core/model/Events.h"
#include "core/ports/MatchHistory.h"
#include "core/scorecard/BallByBall.h"

class MatchKeeper : public EventListener {
 public:
  MatchKeeper(const MatchView& view, const scorecard::BallByBall& book, const MatchJournal& journal)
      : view_(view), book_(book), journal_(journal) {}

  // Where matches go; null keeps none (a match being watched).
  void SetHistory(MatchHistory* history) { history_ = history; }
  // What the board does not show, asked as each match closes: the other
  // machine of a network match, the message it stopped with.
  struct Circumstances {
    std::string peer, ending;
  };
  void AskCircumstances(std::function<Circumstances()> ask) { circumstances_ = std::move(ask); }

  void OnMatchStarted() override;
  void OnEvent(const GameEvent& event) override;
  void OnMatchClosed() override;

 private:
  KeptMatch Board() const;

  const MatchView& view_;
  const scorecard::BallByBall& book_;
  const MatchJournal& journal_;
  MatchHistory* history_ = nullptr;
  std::function<Circumstances()> circumstances_;
  std::string result_;
  bool finished_ = false;
};
