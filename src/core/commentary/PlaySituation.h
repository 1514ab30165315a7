#pragma once
// Where the match stands, as the commentary needs to know it. The game fills it
// from its state every tick; the commentary never looks at the state itself.

#include <optional>
#include <string>

#include "core/match/Sides.h"

struct PlaySituation {
  // Who bats and who bowls in this innings: in "Human V CPU" the human bats
  // the first innings against the computer's bowling and bowls the second to
  // the computer; in "Human V Human" both sides are human.
  InningsSides sides{Player::Human, Player::Human};
  bool firstInnings = true;
  bool inningsBreak = false;  // the sides are changing over; Space goes on
  bool runUpStarted = false;  // the bowler is running in
  bool ballInFlight = false;  // bowled and not yet finished
  // "Simulation" bowling: the cursor sweeps on its own during the run-up and
  // the arrows do not move it.
  bool cursorSweeps = false;
  // Game Delay 0: the timer does not tick at all until Tab is pressed.
  bool paused = false;

  std::string team1, team2;  // as typed in the boxes: any length, any script (UTF-8)
  int team1Runs = 0, team1Wickets = 0;
  int team2Runs = 0, team2Wickets = 0;
  int oversBowled = 0, ballsInOver = 0;  // of the innings now batting
  // The overs per innings when the box holds a whole number; otherwise none,
  // and the innings runs on until the side is all out.
  std::optional<int> oversPerInnings;
};
