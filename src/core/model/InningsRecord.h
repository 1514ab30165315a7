#pragma once
// The ball-by-ball record of one innings, as plain data: the scorecard window,
// its text and the replay driver's JSON line all read it.

#include <string>
#include <vector>

#include "core/model/Laws.h"
#include "core/model/Outcome.h"

namespace scorecard {

enum class Dismissal { None, Bowled, Caught };

// The board's overs: completed overs, and counted balls of the over in progress
// ("3.4" is 3 overs and 4 balls). The tenth wicket closes the innings before an
// over it completes is carried, so that ball leaves the board at "O.6".
struct BoardOvers {
  int overs = 0;
  int balls = 0;
  friend bool operator==(const BoardOvers&, const BoardOvers&) = default;
};

// One ball as it was bowled, played and scored.
struct BallRecord {
  int innings = 1;   // 1: team 1 batting, 2: team 2
  int over = 0;      // the over it belongs to, from 0 (an index into InningsRecord::overs)
  BoardOvers board;  // the board straight after this ball
  int pace = 0;      // 0 fast, 1 fast/medium, 2 slow
  int pitchX = 0, pitchY = 0;
  bool shotPlayed = false;  // shot, timingLine and danger mean something only when true
  int shot = 0, timingLine = 0, danger = 0;
  Outcome outcome = Outcome::None;
  std::string symbol;  // ".", "1".."4", "W", "wd"; empty for a text the scorer ignores
  int runs = 0;
  bool counted = false;  // a ball of the over (a wide is not)
  bool wide = false;
  Dismissal dismissal = Dismissal::None;
  int teamRuns = 0, teamWickets = 0;  // the batting side's score after this ball
};

// A wicket down: which one, the score and the board's overs when it fell.
struct FallOfWicket {
  int wicket = 0;
  int runs = 0;
  BoardOvers at;
};

// One over: its balls' symbols in order, wides included.
struct OverRecord {
  std::vector<std::string> symbols;
  int runs = 0;
  int wickets = 0;
};

struct InningsRecord {
  int innings = 1;
  bool closed = false;  // the innings has ended (all out or its overs bowled)
  int runs = 0, wickets = 0;
  BoardOvers board;  // as the board stood when the innings closed, or stands now
  int wides = 0;
  int fours = 0;
  int dots = 0;  // counted balls with no run and no wicket
  std::vector<FallOfWicket> fall;
  std::vector<OverRecord> overs;
  std::vector<BallRecord> balls;

  // Batting has begun (a ball was bowled) or the innings is over.
  bool Started() const { return closed || !balls.empty(); }
};

}  // namespace scorecard
