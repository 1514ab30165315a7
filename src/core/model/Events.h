#pragma once
// What happened in the match, told as it happens and in play order. The game
// core is the only teller; the soak, the sound, the commentary, the instant
// replay and the scorecard listen. Nobody learns what happened by peeking at
// the panel or the picture.

#include <string>
#include <string_view>
#include <vector>

#include "core/model/Outcome.h"

enum class EventKind {
  RunUpStarted,      // the bowler has set off
  BallReleased,      // pace, pitchX, pitchY
  BallPitched,       // the ball has hit the ground on its way down the pitch
  ShotPlayed,        // shot, timingLine, danger, outcome (what the shot has earned)
  ShotMissedWindow,  // a shot key pressed while the ball was not there to hit: early or late
  BatHit,            // the bat found the ball
  Pads,              // the ball was stopped at the pads or the body
  StumpsHit,         // bowled
  Wide,              // the umpire's arms go out
  BallScored,        // outcome, runs, wicket, wide, teamRuns, teamWickets
  InningsEnded,      // innings: 1 or 2
  MatchEnded,        // result: the result dialog's line
};

// The name of each kind as the replay driver writes it ("run_up_started", ...).
std::string_view EventName(EventKind kind);

// One thing that happened. Only the fields of its kind mean anything; the
// others stay at their defaults.
struct GameEvent {
  EventKind kind = EventKind::RunUpStarted;
  int tick = 0;  // the timer's ticks since Begin

  // BallReleased: 0 fast, 1 fast/medium, 2 slow; where the ball will pitch.
  int pace = 0, pitchX = 0, pitchY = 0;
  // ShotPlayed: the shot code (0 Defensive .. 4 Square Cut), timing + line, danger.
  // ShotMissedWindow: the shot code, and early is true when the ball had not come yet.
  int shot = 0, timingLine = 0, danger = 0;
  bool early = false;
  // ShotPlayed: the outcome the shot has earned (None when it finds nothing).
  // BallScored: the ball's outcome, what it was worth (counted: a ball of the
  // over, which a wide is not), the batting side's score after it, and where
  // it crossed the batting crease (x).
  Outcome outcome = Outcome::None;
  int runs = 0;
  bool wicket = false, wide = false, counted = false;
  int teamRuns = 0, teamWickets = 0;
  int crossX = 0;
  bool firstInnings = true;  // BallScored, InningsEnded: which side was batting
  // InningsEnded: 1 or 2.
  int innings = 0;
  // MatchEnded: the result line ("Team1 are the winners", "It's a draw").
  std::string result{};

  bool operator==(const GameEvent&) const = default;
};

// Hears the match, in this order: OnMatchStarted when Begin has set a match up;
// then for every timer tick OnTick (before that tick's events), the tick's
// events, and OnSettled once the tick is done; a key's events are followed by
// OnSettled too. A listener that shows the state of play reads it in OnSettled.
class EventListener {
 public:
  virtual ~EventListener() = default;
  virtual void OnMatchStarted() {}
  virtual void OnTick(int /*tick*/) {}
  virtual void OnEvent(const GameEvent& event) = 0;
  virtual void OnSettled() {}
  // The match is over and its display gone, finished or abandoned; the panel
  // still stands.
  virtual void OnMatchClosed() {}
};
