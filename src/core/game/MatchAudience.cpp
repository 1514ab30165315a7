#include "core/game/MatchAudience.h"

#include <array>

#include "core/game/Game.h"
#include "core/sound/Footsteps.h"
#include "core/tick/FrameTables.h"

namespace {
// The order they hear each event in, and so the order of what they show.
std::array<EventListener*, 5> InOrder(MatchAudience& a) {
  return {&a.commentary, &a.sound, &a.replay, &a.scorecard, &a.keeper};
}
}  // namespace

MatchAudience::MatchAudience(Game& game, AudienceOutputs outputs)
    : commentary(game.View, outputs.commentary),
      soundBox(*game.P.forms, outputs.sound),
      replaySound(replay, soundBox),
      sound(replaySound, FootstepTicks(RunUpFrameTable())),
      scorecard(*game.P.forms, outputs.scorecard),
      journal(*game.P.forms),
      keeper(game.View, scorecard.Record(), journal),
      game_(game) {
  for (EventListener* listener : InOrder(*this)) game.Events.Listen(*listener);
  game.SetOverlay(&replay);
  game.SetInputListener(&journal);
  replay.SetSound(soundBox);
  keeper.AskCircumstances([&game] {
    return MatchKeeper::Circumstances{game.SharedWith(), game.StoppedWith()};
  });
}

MatchAudience::~MatchAudience() {
  game_.SetOverlay(nullptr);
  game_.SetInputListener(nullptr);
  for (EventListener* listener : InOrder(*this)) game_.Events.StopListening(*listener);
}
