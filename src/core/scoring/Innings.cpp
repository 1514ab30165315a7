#include "core/scoring/Innings.h"

#include <string>

#include "core/match/Match.h"

namespace {

// The result dialog's line: runs alone decide, wickets lost play no part. The
// names are whatever the boxes hold now, an empty one included.
std::string ResultLine(const Match& g) {
  const MatchState& s = g.S;
  if (s.Team1Runs > s.Team2Runs) return g.Options.Team1() + " are the winners";
  if (s.Team1Runs < s.Team2Runs) return g.Options.Team2() + " are the winners";
  return "It's a draw";
}

void EndMatch(Match& g) {
  const std::string line = ResultLine(g);
  g.S.QuitGame = true;
  g.Tell({.kind = EventKind::MatchEnded, .result = line});
  g.ShowResult(line);
}

}  // namespace

// After the first innings the sides change over and the tick waits on the break
// for Space; after the second the match is over. Either way the next innings, if
// any, starts from a clean 0.0 overs: no counted ball of an unfinished over
// carries across.
void EndInnings(Match& g) {
  MatchState& s = g.S;
  g.Tell({.kind = EventKind::InningsEnded,
          .firstInnings = s.FirstInnings,
          .innings = s.FirstInnings ? 1 : 2});
  if (s.FirstInnings) {
    s.InningsBreak = true;
  } else {
    EndMatch(g);
  }
  s.OversBowled = 0;
  s.BallsInOver = 0;
  s.FirstInnings = false;
}
