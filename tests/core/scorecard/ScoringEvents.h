#pragma once
// Event lists for the scorer's book: balls as the match tells them.

#include <string>
#include <vector>

#include "core/model/Events.h"

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

// A ball scored as the game tells it: the outcome with what it is worth. A text
// the game does not know is worth nothing and is no ball of the over.
inline GameEvent Scored(const std::string& outcome, bool firstInnings = true) {
  struct Worth {
    const char* outcome;
    int runs;
    bool wicket, wide;
  };
  static constexpr Worth kWorth[] = {
      {"Wide", 1, false, true},    {"No Run", 0, false, false},    {"", 0, false, false},
      {"1 Run", 1, false, false},  {"2 Runs", 2, false, false},    {"3 Runs", 3, false, false},
      {"4 Runs", 4, false, false}, {"Caught Out", 0, true, false}, {"Your OUT!!!", 0, true, false}};
  GameEvent e;
  e.kind = EventKind::BallScored;
  e.outcome = OutcomeOf(outcome);
  e.firstInnings = firstInnings;
  for (const Worth& w : kWorth) {
    if (outcome != w.outcome) continue;
    e.runs = w.runs;
    e.wicket = w.wicket;
    e.wide = w.wide;
    e.counted = !w.wide;
  }
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
