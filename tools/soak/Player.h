#pragma once
// A random but seeded player at the keyboard and the options panel: sets a
// match up, then decides each event of the match loop. Mostly the timer
// ticks; between ticks it bowls, bats (sometimes at just the right moment,
// sometimes early, late or twice), holds and releases keys, mashes any key
// code at all, fiddles with the panel, and now and then presses Escape.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/game/Game.h"
#include "fakes/Fakes.h"

namespace soak {

struct Input {
  enum class Kind { Tick, KeyDown, KeyUp, Select, SetText };
  Kind kind = Kind::Tick;
  i16 code = 0;
  i16 shift = 0;
  Option option = Option::Option2;
  TextBox box = TextBox::Text1;
  std::string text;
};

class Player {
 public:
  Player(const Game& game, std::uint64_t seed) : game_(game), rng_(seed) {}

  // Before Begin: game type, difficulties, 0 to 5 overs, a delay, team names.
  void SetUpPanel(fakes::FakeForms& forms);
  // The next event of the match loop.
  Input Next();
  // Escape at the next event: the soak has seen enough of this match.
  void GiveUp() { givingUp_ = true; }

 private:
  struct Scheduled {
    long long at;
    Input input;
  };

  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  template <typename T, std::size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[static_cast<std::size_t>(Between(0, N - 1))];
  }

  bool Due(Input& input);
  Input Key(Input::Kind kind, i16 code);
  Input Press(i16 code, int heldFor);
  Input Watching();
  Input Mash();
  Input ShotKey();
  Input PanelChange();
  bool OversNeedMending() const;
  i16 BowlingKey() const;
  bool HumanBats() const;

  const Game& game_;
  std::mt19937_64 rng_;
  std::vector<Scheduled> scheduled_;
  long long event_ = 0;
  long long escapeAt_ = -1;
  double mash_ = 0.05;  // chance of a random key at an event
  double aim_ = 0.5;    // chance of a well-timed shot when the ball is there
  bool givingUp_ = false;
};

}  // namespace soak
