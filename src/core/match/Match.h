#pragma once
// What a rule of the game works with: the match state, the one random
// generator, the options panel (read-only, in the game's words), the few
// things a rule may ask of the world, and the event stream it tells what
// happened. Rules take a Match, never the whole Game: the ports, the forms and
// the loop stay with the Game.

#include <cstdint>
#include <string>

#include "core/match/Sides.h"
#include "core/model/EventStream.h"
#include "core/model/MatchState.h"
#include "core/model/Random.h"
#include "core/ports/MatchEffects.h"
#include "core/ports/Settings.h"

class Match {
 public:
  Match(MatchState& state, Random& random, const Panel& panel, MatchEffects& effects,
        EventStream& events)
      : S(state), Rnd(random), Options(panel), effects_(effects), events_(events) {}

  MatchState& S;
  Random& Rnd;
  // The options panel, read live.
  const Settings Options;

  // Who bats and who bowls in this innings.
  InningsSides Sides() const { return SidesOf(Options.Game(), S.FirstInnings); }

  void SetTickInterval(i16 milliseconds) { effects_.SetTickInterval(milliseconds); }
  std::int64_t TimeOfDay() const { return effects_.TimeOfDay(); }
  void ShowResult(const std::string& line) { effects_.ShowResult(line); }

  void Tell(const GameEvent& event) const { events_.Tell(event); }
  void Tell(EventKind kind) const { events_.Tell(GameEvent{.kind = kind}); }

 private:
  MatchEffects& effects_;
  EventStream& events_;
};
