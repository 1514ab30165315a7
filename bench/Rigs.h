#pragma once
// Whole games for timing, wired like the tests' rig but with a choice of
// display: the real Qt surface (drawing into its 640 x 480 back buffer, with
// the real bitmaps from the program's folder) or a display that does nothing.

#include <functional>
#include <memory>

#include "NullDisplay.h"
#include "core/game/MatchAudience.h"
#include "fakes/Fakes.h"
#include "qt/display/QtPictures.h"

class DisplayWidget;

namespace bench {

// Everything that listens to a match in the game, wired as the game wires it,
// with outputs that show nothing.
struct Audience {
  explicit Audience(Game& game) : listeners(game, outputs.Outputs()) {}
  fakes::QuietOutputs outputs;
  MatchAudience listeners;
};

// The real display widget and the real bitmaps; needs a QApplication.
struct DrawnRig : fakes::GameOn<fakes::FakeForms, QtPictures> {
  DrawnRig();
  DisplayWidget* widget = nullptr;  // the current match's surface
  Audience audience{game};
};

// The game's logic alone: pictures of the right sizes, nothing drawn.
struct NullRig {
  NullRig();
  fakes::Rig rig;
  Game& game = rig.game;
  Audience audience{game};
};

// Presses Begin and runs `inMatch` as the match loop's first event; the match
// is closed when it returns. False if the match never started or a run-time
// error closed it.
bool RunInMatch(Game& game, fakes::FakeForms& forms, fakes::ScriptedPump& pump,
                const std::function<void()>& inMatch);

// From waiting, bowls a ball and ticks until it has flown `flightTicks` ticks
// (the ball pitches at about 20 and passes the batsman at about 40). False if
// the ball is not in the air by then.
bool BowlToMidFlight(Game& game, int flightTicks = 30);

}  // namespace bench
