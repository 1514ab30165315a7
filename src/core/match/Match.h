#pragma once
// What a rule of the game works with: the match state, the one random
// generator, the options panel (read-only), the few things a rule may ask of
// the world, and the event stream it tells what happened. Rules take a Match,
// never the whole Game: the ports, the forms and the loop stay with the Game.

#include <cstdint>
#include <string>

#include "core/model/EventStream.h"
#include "core/model/MatchState.h"
#include "core/model/Random.h"
#include "core/ports/MatchEffects.h"
#include "core/ports/Panel.h"

class Match {
 public:
  Match(MatchState& state, Random& random, const Panel& panel, MatchEffects& effects,
        EventStream& events)
      : S(state), Rnd(random), panel_(panel), effects_(effects), events_(events) {}

  MatchState& S;
  Random& Rnd;

  // The options panel, read live.
  bool Selected(Option option) const { return panel_.Value(option); }
  std::string TextOf(TextBox box) const { return panel_.Text(box); }
  // The computer bowls in the first innings of a "Human V CPU" match.
  bool ComputerBowls() const { return S.FirstInnings && Selected(Option::Option1); }

  void SetTickInterval(i16 milliseconds) { effects_.SetTickInterval(milliseconds); }
  std::int64_t TimeOfDay() const { return effects_.TimeOfDay(); }
  void ShowResult(const std::string& line) { effects_.ShowResult(line); }

  void Tell(const GameEvent& event) const { events_.Tell(event); }
  void Tell(EventKind kind) const { events_.Tell(GameEvent{.kind = kind}); }

 private:
  const Panel& panel_;
  MatchEffects& effects_;
  EventStream& events_;
};
