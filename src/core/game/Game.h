#pragma once
// One Game lives for the whole run of the program: the match state, the one
// random generator, the ports to the world and the event stream. The form
// handlers and the match loop are its methods; every rule of the game is a free
// function taking the narrower Match.

#include <optional>
#include <string>

#include "core/match/Match.h"
#include "core/match/MatchDisplay.h"
#include "core/match/MatchView.h"
#include "core/model/EventStream.h"
#include "core/model/MatchState.h"
#include "core/model/Random.h"
#include "core/ports/FieldOverlay.h"
#include "core/ports/MatchInputs.h"
#include "core/ports/Ports.h"
#include "core/ports/SharedPlay.h"

class Game : public DisplayEvents, private MatchEffects {
 public:
  explicit Game(Ports ports);

  MatchState S;
  Random Rnd;
  Ports P;
  EventStream Events;
  Match M{S, Rnd, *P.forms, *this, Events};
  // The current match's display, tile sets and map, made at Begin.
  MatchDisplay D;
  // The match as those who follow it see it, read-only.
  MatchView View{S, *P.forms, *P.timer};

  // Form handlers.
  void cmdBegin_Click();  // runs a whole match, returning when it is closed
  void Command1_Click();  // "Continue" on the result dialog
  void Timer1_Timer();
  void Display_KeyDown(i16 keyCode, i16 shift) override;
  void Display_KeyUp(i16 keyCode, i16 shift) override;
  void Display_TileSetLost(i16 index) override;
  void CloseRequested();  // the window's close box during a match: acts as Escape

  bool MatchRunning() const { return matchRunning_; }
  // The time of day the match's next tick reads: the match's clock moved on
  // by the timer's period.
  std::int64_t NextTickTime() const;

  // What stands over the field (the instant replay): each match's display is
  // handed to it, and it hears every key before the game.
  // Null for none.
  void SetOverlay(FieldOverlay* overlay) { overlay_ = overlay; }
  // Who hears every input of a match before the game acts on it (the
  // journal). Null for nobody.
  void SetInputListener(MatchInputs* inputs) { inputs_ = inputs; }

  // The other machine of a match shared over the network; null for a match
  // played here alone.
  void SetSharedPlay(SharedPlay* shared) { shared_ = shared; }
  // Ends the running match at once and says why, leaving the panel ready.
  void StopMatch(const std::string& why);
  // The other machine's address while the match is shared; empty when not.
  std::string SharedWith() const { return shared_ ? shared_->PeerAddress() : std::string(); }
  // The message the last match closed with (a network's, a run-time error);
  // empty when it closed as matches do.
  const std::string& StoppedWith() const { return stoppedWith_; }

 private:
  // What the rules ask of the world.
  void SetTickInterval(i16 milliseconds) override;
  std::int64_t TimeOfDay() const override;
  void ShowResult(const std::string& line) override;

  bool CheckSettings();
  bool LoadTileSets();
  void StartValues();
  void RunMatchLoop();
  void CloseMatch();
  void TellClosed();
  void CloseAfterError(const std::string& description);
  void LetGoOfArrowKeys();
  // Runs a tick or key handler; a run-time error escaping it closes the match.
  template <typename F>
  void Guarded(F&& handler);
  // Plays both players' keys for the coming tick; false holds the tick back.
  bool SharedKeysPlayed();
  // This player's key in a shared match: the instant replay's, handed over
  // to be played on both machines, or (Escape) played here at once.
  void OfferKey(SharedKey key);

  bool matchRunning_ = false;
  FieldOverlay* overlay_ = nullptr;
  SharedPlay* shared_ = nullptr;
  MatchInputs* inputs_ = nullptr;
  // The time of day as the match sees it: read from the clock at Begin, then
  // moved on by the timer's period each tick, so a match reads the world
  // outside once and plays the same again from that one value.
  std::int64_t matchTime_ = 0;
  std::optional<std::string> pendingError_;
  std::string stoppedWith_;
};
