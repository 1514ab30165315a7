#pragma once
// Event lists for the scorer's book: balls as the match tells them.

#include <string>
#include <vector>

#include "core/ports/Events.h"

namespace scoring_events {

inline GameEvent Released(int pace, int pitchX, int pitchY) {
  GameEvent e;
  e.kind = EventKind::BallReleased;
  e.pace = pace;
  e.pitchX = pitchX;
  e.pitchY = pitchY;
  return e;
}

inline GameEvent Shot(int shot, int timingLine, int danger) {
  GameEvent e;
  e.kind = EventKind::ShotPlayed;
  e.shot = shot;
  e.timingLine = timingLine;
  e.danger = danger;
  return e;
}

inline GameEvent Scored(const std::string& outcome, bool firstInnings = true) {
  GameEvent e;
  e.kind = EventKind::BallScored;
  e.outcome = outcome;
  e.firstInnings = firstInnings;
  return e;
}

inline GameEvent Ended(int innings) {
  GameEvent e;
  e.kind = EventKind::InningsEnded;
  e.innings = innings;
  e.firstInnings = innings == 1;
  return e;
}

// Each outcome a ball: released, then scored.
inline std::vector<GameEvent> Balls(const std::vector<std::string>& outcomes,
                                    bool firstInnings = true) {
  std::vector<GameEvent> events;
  for (const std::string& outcome : outcomes) {
    events.push_back(Released(0, 300, 280));
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

}  // namespace scoring_events
