#pragma once
// The one set of event builders for tests: balls as the match tells them. What
// an outcome is worth comes from the game's own outcome table, never a copy.

#include <string>
#include <vector>

#include "core/model/Events.h"
#include "core/model/Outcome.h"

namespace game_events {

inline GameEvent Event(EventKind kind, int tick = 0) {
  GameEvent e;
  e.kind = kind;
  e.tick = tick;
  return e;
}

inline GameEvent Released(int pace = 0, int pitchX = 300, int pitchY = 280) {
  GameEvent e = Event(EventKind::BallReleased);
  e.pace = pace, e.pitchX = pitchX, e.pitchY = pitchY;
  return e;
}

// A shot with its timing + line, its danger and the outcome it earned.
inline GameEvent Shot(int code, int timingLine, int danger, const std::string& earned = "") {
  GameEvent e = Event(EventKind::ShotPlayed);
  e.shot = code, e.timingLine = timingLine, e.danger = danger;
  e.outcome = OutcomeOf(earned);
  return e;
}

inline GameEvent OutOfWindow(bool early) {
  GameEvent e = Event(EventKind::ShotMissedWindow);
  e.early = early;
  return e;
}

// A ball scored under the outcome line's text, worth what the game says it is;
// crossX is where it crossed the batting crease.
inline GameEvent Scored(const std::string& outcome, bool firstInnings = true, int crossX = 300) {
  GameEvent e = Event(EventKind::BallScored);
  e.outcome = OutcomeOf(outcome);
  const OutcomeRow& row = RowOf(e.outcome);
  e.runs = row.runs, e.wicket = row.wicket, e.counted = row.counted;
  e.wide = e.outcome == Outcome::Wide;
  e.firstInnings = firstInnings;
  e.crossX = crossX;
  return e;
}

inline GameEvent Ended(int innings) {
  GameEvent e = Event(EventKind::InningsEnded);
  e.innings = innings;
  e.firstInnings = innings == 1;
  return e;
}

// Each outcome a ball: released, then scored.
inline std::vector<GameEvent> Balls(const std::vector<std::string>& outcomes,
                                    bool firstInnings = true) {
  std::vector<GameEvent> events;
  for (const std::string& outcome : outcomes) {
    events.push_back(Released());
    events.push_back(Scored(outcome, firstInnings));
  }
  return events;
}

inline std::vector<std::string> Repeat(const std::string& outcome, int count) {
  return std::vector<std::string>(count, outcome);
}

inline std::vector<std::string> operator+(std::vector<std::string> a,
                                          const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace game_events
