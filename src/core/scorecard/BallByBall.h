#pragma once
// The scorer's book: listens to the match and writes down every ball of both
// innings, with the totals the board shows. Team names are not part of the
// story the events tell; whoever shows the record supplies them.

#include <array>

#include "core/model/Events.h"
#include "core/model/InningsRecord.h"

namespace scorecard {

class BallByBall : public EventListener {
 public:
  BallByBall() { Reset(); }

  void OnEvent(const GameEvent& event) override;
  void OnMatchStarted() override { Reset(); }

  // A new match: both innings empty.
  void Reset();

  // innings: 1 or 2.
  const InningsRecord& Innings(int innings) const;

 private:
  void Released(const GameEvent& event);
  void Shot(const GameEvent& event);
  void Scored(const GameEvent& event);
  void Ended(const GameEvent& event);

  std::array<InningsRecord, 2> innings_;
  BallRecord pending_;  // the ball in play: what is known of it before it is scored
};

}  // namespace scorecard
