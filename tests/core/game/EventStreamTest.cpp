// The event stream's own rules: when a match's ticks are counted and who hears
// what. Which events each kind of ball tells is in the golden traces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/input/KeyCodes.h"
#include "fakes/Fakes.h"

TEST(EventStream, TicksCountFromBeginAndKeysTellTheTickTheyCameIn) {
  fakes::Rig rig;
  fakes::EventLog tape;
  rig.game.Events.Listen(tape);
  const auto tick = [&] { rig.game.Timer1_Timer(); };
  rig.pump.steps = {tick, tick, tick};
  rig.pump.fallback = [&] { rig.game.Display_KeyDown(key::kEscape, 0); };
  rig.game.cmdBegin_Click();
  rig.pump.steps = {tick, tick, [&] { rig.game.Display_KeyDown(key::kPad5, 0); }};
  rig.pump.next = 0;
  rig.forms.Load();
  rig.game.cmdBegin_Click();  // a second match counts from 0 again
  ASSERT_EQ(tape.heard.size(), 1u);
  EXPECT_EQ(tape.heard[0].kind, EventKind::RunUpStarted);
  EXPECT_EQ(tape.heard[0].tick, 2);
}

// Every listener hears each tick and each event, in the order it was added,
// until it stops listening.
TEST(EventStream, ListenersHearTicksAndEventsUntilTheyStop) {
  struct Ear : EventListener {
    Ear(std::vector<std::string>& log, char name) : log(log), name(name) {}
    void OnEvent(const GameEvent& e) override {
      log.push_back(name + std::string(" ") + std::string(EventName(e.kind)) + "@" +
                    std::to_string(e.tick));
    }
    void OnTick(int tick) override {
      log.push_back(name + std::string(" tick ") + std::to_string(tick));
    }
    std::vector<std::string>& log;
    char name;
  };
  std::vector<std::string> log;
  Ear a(log, 'a'), b(log, 'b');
  EventStream stream;
  stream.Listen(a);
  stream.Listen(b);
  stream.NextTick();
  stream.Tell(GameEvent{.kind = EventKind::Pads});
  stream.StopListening(a);
  stream.NextTick();
  stream.Tell(GameEvent{.kind = EventKind::Wide});
  EXPECT_EQ(log, (std::vector<std::string>{"a tick 1", "b tick 1", "a pads@1", "b pads@1",
                                           "b tick 2", "b wide@2"}));
}
