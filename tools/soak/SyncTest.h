#pragma once
// The soak's proof that a tick depends on nothing but its inputs: before the
// game plays a tick, the same tick is played aside from a copy of the match
// state and the generator, on a display and an event stream of its own; then
// the two results are compared (the state, the generator, the events, the
// draws and what the tick asked of the world). A hidden input (a value never
// set, a read of the real clock) makes the two differ long before two
// machines sharing a match would.

#include <optional>
#include <string>
#include <vector>

#include "World.h"
#include "core/match/MatchDisplay.h"

namespace soak {

// What one play of a tick gave.
struct TickResult {
  MatchState state;
  std::uint64_t generator = 0;
  std::vector<GameEvent> events;
  std::vector<fakes::Call> draws;
  std::optional<i16> interval;        // the timer's interval, when the tick set it
  std::optional<std::string> result;  // the result dialog's line, when the tick ended the match
  std::string error;                  // a run-time error the tick raised
};

class SyncTest : private MatchEffects {
 public:
  explicit SyncTest(World& world) : world_(world) {}

  // Plays the coming tick aside, leaving the game untouched.
  void Rehearse();
  // Plays the tick for real through `play`, and returns the first difference
  // from the rehearsal, or nothing.
  template <typename Play>
  std::optional<std::string> Perform(Play&& play);

 private:
  void SetTickInterval(i16 milliseconds) override { rehearsal_.interval = milliseconds; }
  std::int64_t TimeOfDay() const override { return world_.game.NextTickTime(); }
  void ShowResult(const std::string& line) override { rehearsal_.result = line; }

  std::optional<std::string> Difference(const TickResult& real) const;

  World& world_;
  TickResult rehearsal_;
  i16 intervalBefore_ = 0;
  bool resultBefore_ = false;
};

template <typename Play>
std::optional<std::string> SyncTest::Perform(Play&& play) {
  TickResult real;
  auto display = std::make_shared<fakes::RecordingDisplay>(world_.game.D.Display);
  const auto shown = world_.game.D.Display;
  world_.game.D.Display = display;
  fakes::EventLog told;
  world_.game.Events.Listen(told);
  play();
  world_.game.Events.StopListening(told);
  world_.game.D.Display = shown;
  real.state = world_.game.S;
  real.generator = world_.game.Rnd.State();
  real.events = told.heard;
  real.draws = display->calls;
  if (world_.timer.interval != intervalBefore_) real.interval = world_.timer.interval;
  if (world_.forms.resultShown && !resultBefore_) real.result = world_.forms.resultLine;
  return Difference(real);
}

}  // namespace soak
