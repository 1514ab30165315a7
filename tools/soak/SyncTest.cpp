#include "SyncTest.h"

#include "core/tick/GameTick.h"

namespace soak {

namespace {

bool SameCall(const fakes::Call& a, const fakes::Call& b) {
  return a.op == b.op && a.args == b.args;
}

// The tick an event was told in is the stream's count, not the tick's doing.
bool SameEvents(std::vector<GameEvent> a, std::vector<GameEvent> b) {
  for (auto& event : a) event.tick = 0;
  for (auto& event : b) event.tick = 0;
  return a == b;
}

}  // namespace

void SyncTest::Rehearse() {
  Game& game = world_.game;
  rehearsal_ = TickResult{};
  rehearsal_.state = game.S;
  intervalBefore_ = world_.timer.interval;
  resultBefore_ = world_.forms.resultShown;
  Random generator = game.Rnd;
  EventStream events;
  fakes::EventLog told;
  events.Listen(told);
  auto display = std::make_shared<fakes::RecordingDisplay>();
  MatchDisplay aside = game.D;
  aside.Display = display;
  Match match(rehearsal_.state, generator, world_.forms, *this, events);
  try {
    GameTick(match, aside);
  } catch (const std::exception& error) {
    rehearsal_.error = error.what();
  }
  rehearsal_.generator = generator.State();
  rehearsal_.events = told.heard;
  rehearsal_.draws = display->calls;
}

std::optional<std::string> SyncTest::Difference(const TickResult& real) const {
  const TickResult& aside = rehearsal_;
  if (!aside.error.empty()) return "the tick raised \"" + aside.error + "\"";
  if (aside.state != real.state) return "the match state differs";
  if (aside.generator != real.generator) return "the generator differs";
  if (!SameEvents(aside.events, real.events)) return "the events differ";
  if (!std::equal(aside.draws.begin(), aside.draws.end(), real.draws.begin(), real.draws.end(),
                  SameCall))
    return "the draws differ";
  if (aside.interval != real.interval) return "the timer's interval differs";
  if (aside.result != real.result) return "the result differs";
  return std::nullopt;
}

}  // namespace soak
