#include "Rigs.h"

#include "core/input/Keyboard.h"
#include "qt/display/DisplayWidget.h"

namespace bench {

DrawnRig::DrawnRig() {
  forms.displayFactory = [this](DisplayEvents& events) {
    auto display = std::make_shared<DisplayWidget>(events);
    widget = display.get();
    return display;
  };
}

NullRig::NullRig() {
  rig.forms.displayFactory = [](DisplayEvents&) { return std::make_shared<NullDisplay>(); };
}

bool RunInMatch(Game& game, fakes::FakeForms& forms, fakes::ScriptedPump& pump,
                const std::function<void()>& inMatch) {
  bool ran = false;
  pump.steps = {[&] {
    ran = true;
    inMatch();
    game.S.QuitGame = true;
  }};
  pump.next = 0;
  const std::size_t messages = forms.messages.size();
  game.cmdBegin_Click();
  return ran && forms.messages.size() == messages;
}

bool BowlToMidFlight(Game& game, int flightTicks) {
  game.Display_KeyDown(key::kPad5, 0);
  game.Display_KeyUp(key::kPad5, 0);
  for (int tick = 0; tick < 100 && !game.S.BallBowled; ++tick) game.Timer1_Timer();
  while (game.S.BallBowled && game.S.BallCounter < flightTicks) game.Timer1_Timer();
  return game.S.BallBowled && game.S.BallCounter == flightTicks;
}

}  // namespace bench
