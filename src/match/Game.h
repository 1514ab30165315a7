#pragma once
// One Game lives for the whole run of the program: the match state, the one
// random generator, and the ports to the world. The form handlers are its
// methods; every other procedure of the game is a free function taking it.

#include <optional>
#include <string>

#include "match/MatchState.h"
#include "match/Ports.h"
#include "match/Random.h"

class Game : public DisplayEvents {
 public:
  explicit Game(Ports ports);

  MatchState S;
  Random Rnd;
  Ports P;

  // The options panel, read live.
  bool Selected(Option option) const { return P.forms->Value(option); }
  std::string TextOf(TextBox box) const { return P.forms->Text(box); }
  // The computer bowls in the first innings of a "Human V CPU" match.
  bool ComputerBowls() const { return S.FirstInnings && Selected(Option::Option1); }

  // Form handlers.
  void cmdBegin_Click();  // runs a whole match, returning when it is closed
  void Command1_Click();  // "Continue" on the result dialog
  void Timer1_Timer();
  void Display_KeyDown(i16 keyCode, i16 shift) override;
  void Display_KeyUp(i16 keyCode, i16 shift) override;
  void Display_TileSetLost(i16 index) override;
  void CloseRequested();  // the window's close box during a match: acts as Escape

  bool MatchRunning() const { return matchRunning_; }

 private:
  bool CheckSettings();
  bool LoadTileSets();
  void StartValues();
  void RunMatchLoop();
  void CloseMatch();
  void CloseAfterError(const std::string& description);
  // Runs a tick or key handler; a run-time error escaping it closes the match.
  template <typename F>
  void Guarded(F&& handler);

  bool matchRunning_ = false;
  std::optional<std::string> pendingError_;
};
