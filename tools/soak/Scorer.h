#pragma once
// The scorer's book: kept ball by ball from the match's events alone, and held
// up against the game's own score after every tick, every ball and every key.

#include <string>
#include <vector>

#include "Report.h"
#include "World.h"

namespace soak {

class Scorer {
 public:
  Scorer(Report& report, const World& world) : report_(report), world_(world) {}

  void StartMatch(const Snapshot& field);
  // One tick: `pre` and `post` are the field either side of it, `told` what
  // the game told of it, `frames` the frames it showed.
  void AfterTick(const Snapshot& pre, const Snapshot& post, const BallWatch& told, int frames);
  // A key or a change on the panel between two ticks.
  void AfterInput(const Snapshot& pre, const Snapshot& post, bool escape);
  // Begin has returned: the match is closed, one way or the other.
  void EndMatch();

  bool Escaped() const { return book_.escaped; }

 private:
  void DeliveryTick(const Snapshot& pre, const Snapshot& post, const BallWatch& told);
  void EndOfBall(const Snapshot& pre, const Snapshot& post, const BallWatch& told);
  void CountBall(const Snapshot& pre, const ScoringMoment& scored);
  void CloseInningsIfDue(const Snapshot& pre, const Snapshot& post, const BallWatch& told);
  void CheckBoard(const Snapshot& field);
  std::string ResultLine() const;
  bool Check(bool ok, const char* what, const Snapshot& field);

  // One match's page of the book.
  struct Page {
    int innings = 0;  // 0 first, 1 second
    int runs[2] = {0, 0};
    int wickets[2] = {0, 0};
    int countedInOver = 0;   // counted balls of the over in progress
    int overs = 0;           // completed overs of the innings in progress
    int deliveryTicks = -1;  // ticks since run-up tick 1; -1 while no delivery is on
    bool escaped = false;
    bool resultDue = false;
    std::string expectedLine;
  };

  Report& report_;
  const World& world_;
  Page book_;
};

}  // namespace soak
