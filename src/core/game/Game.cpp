#include "core/game/Game.h"

#include <cmath>

#include "core/ball/NewBall.h"
#include "core/game/MapRecovery.h"
#include "core/game/StartingMarks.h"
#include "core/input/Keyboard.h"
#include "core/model/NumberText.h"
#include "core/scoring/Scoring.h"
#include "core/tick/FrameTables.h"
#include "core/tick/GameTick.h"

namespace {
constexpr const char* kBadDelay = "Game Delay (ms) must be a whole number from 0 to 32767";
constexpr const char* kBadOvers = "Number Of Overs must be a number";
constexpr std::int64_t kMsPerDay = 86400000;
}  // namespace

Game::Game(Ports ports) : P(ports) {
  // Seeded once at start, so two runs differ even when nothing reseeds.
  Rnd.Reseed(P.clock->MillisecondsSinceMidnight());
}

void Game::cmdBegin_Click() {
  if (matchRunning_ || !P.forms->OptionsLoaded() || !CheckSettings()) return;
  matchRunning_ = true;
  P.forms->SetBeginEnabled(false);
  try {
    D.Display = P.forms->NewDisplay(*this);
    if (overlay_) D.Display = overlay_->Wrap(D.Display);
    D.Display->OpenDisplay();
    if (!LoadTileSets()) {
      D.Display->CloseDisplay();
      D.Display.reset();
      matchRunning_ = false;
      P.forms->SetBeginEnabled(true);
      return;
    }
    matchTime_ = shared_ ? shared_->TimeOfDay() : P.clock->MillisecondsSinceMidnight();
    if (inputs_) inputs_->OnBegin(S, Rnd.State(), matchTime_);
    CreateMap(D);
    FillFrameTables(S);
    StartValues();
    P.timer->SetEnabled(true);
    Events.StartMatch();
    Events.Settled();
  } catch (const std::exception& error) {
    CloseAfterError(error.what());
    return;
  }
  RunMatchLoop();
}

// Both boxes are checked before anything is made, so a typo costs nothing.
bool Game::CheckSettings() {
  const auto overs = ReadNumber(M.Options.OversText());
  const auto delay = ReadNumber(M.Options.DelayText());
  if (!overs) {
    P.forms->MessageBox(kBadOvers);
    return false;
  }
  if (!delay || std::nearbyint(*delay) < 0 || std::nearbyint(*delay) > 32767) {
    P.forms->MessageBox(kBadDelay);
    return false;
  }
  return true;
}

void Game::StartValues() {
  PlaceStartingMarks(M);
  P.timer->SetInterval(int16::Round(*ReadNumber(M.Options.DelayText())));
}

void Game::RunMatchLoop() {
  do {
    P.pump->YieldToEvents();
  } while (!S.QuitGame && !pendingError_);
  if (pendingError_) {
    const std::string description = *pendingError_;
    pendingError_.reset();
    CloseAfterError(description);
    return;
  }
  CloseMatch();
}

void Game::CloseMatch() {
  stoppedWith_.clear();
  if (shared_) shared_->MatchClosed();
  P.timer->SetEnabled(false);
  TellClosed();
  D.Display->CloseDisplay();
  ResetScore(S);
  matchRunning_ = false;
  D.Display.reset();
  P.forms->UnloadOptions();
}

// A run-time error in a match closes it cleanly and leaves the panel ready for
// the next Begin, with the player's settings as they were.
void Game::CloseAfterError(const std::string& description) {
  stoppedWith_ = description;
  if (shared_) shared_->MatchClosed();
  P.timer->SetEnabled(false);
  TellClosed();
  try {
    if (D.Display) D.Display->CloseDisplay();
  } catch (const std::exception&) {
  }
  D.Display.reset();
  ResetScore(S);
  S.InningsBreak = false;
  S.QuitGame = false;
  ReleaseHeldKeys(S);
  S.ShotPlayed = false;
  try {
    NewBall(M);
  } catch (const std::exception&) {
  }
  matchRunning_ = false;
  P.forms->MessageBox(description);
  P.forms->SetBeginEnabled(true);
}

// Whoever keeps the match hears of its end while the panel still stands.
void Game::TellClosed() {
  if (inputs_) inputs_->OnMatchClosed();
  Events.CloseMatch();
}

void Game::Command1_Click() {
  ResetScore(S);
  P.forms->ShowOptions();
  P.forms->UnloadResult();
}

template <typename F>
void Game::Guarded(F&& handler) {
  if (!matchRunning_ || pendingError_) return;
  try {
    handler();
    Events.Settled();
  } catch (const std::exception& error) {
    pendingError_ = error.what();
    P.timer->SetEnabled(false);
  }
}

void Game::Timer1_Timer() {
  if (shared_ && !SharedKeysPlayed()) return;
  Guarded([this] {
    if (inputs_) inputs_->OnTick();
    matchTime_ = NextTickTime();
    Events.NextTick();
    GameTick(M, D);
  });
}

bool Game::SharedKeysPlayed() {
  if (!matchRunning_ || pendingError_) return false;
  const auto keys = shared_->KeysForTick();
  if (!keys) return false;
  for (const SharedKey& key : *keys) {
    if (inputs_) inputs_->OnKey(key.down, key.code);
    Guarded([this, key] { key.down ? KeyDown(M, key.code) : KeyUp(M, key.code); });
  }
  return true;
}

void Game::OfferKey(SharedKey key) {
  if (key.down && overlay_ && overlay_->KeyDown(key.code, S)) return;
  if (shared_->TakeKey(key)) return;
  if (inputs_) inputs_->OnKey(key.down, key.code);
  Guarded([this, key] { key.down ? KeyDown(M, key.code) : KeyUp(M, key.code); });
}

void Game::Display_KeyDown(i16 keyCode, i16 /*shift*/) {
  if (!matchRunning_ || pendingError_) return;
  if (shared_) return OfferKey({true, keyCode});
  if (inputs_) inputs_->OnKey(true, keyCode);
  if (overlay_ && overlay_->KeyDown(keyCode, S)) return;
  Guarded([this, keyCode] { KeyDown(M, keyCode); });
}

void Game::Display_KeyUp(i16 keyCode, i16 /*shift*/) {
  if (!matchRunning_ || pendingError_) return;
  if (shared_) return OfferKey({false, keyCode});
  if (inputs_) inputs_->OnKey(false, keyCode);
  Guarded([this, keyCode] { KeyUp(M, keyCode); });
}

void Game::CloseRequested() {
  if (!matchRunning_) return;
  if (inputs_) inputs_->OnCloseRequested();
  S.QuitGame = true;
}

std::int64_t Game::NextTickTime() const {
  return (matchTime_ + TimerPeriodMs(P.timer->Interval())) % kMsPerDay;
}

void Game::StopMatch(const std::string& why) {
  if (!matchRunning_ || pendingError_) return;
  pendingError_ = why;
  P.timer->SetEnabled(false);
}

void Game::SetTickInterval(i16 milliseconds) {
  P.timer->SetInterval(milliseconds);
}

std::int64_t Game::TimeOfDay() const {
  return matchRunning_ ? matchTime_ : P.clock->MillisecondsSinceMidnight();
}

void Game::ShowResult(const std::string& line) {
  P.forms->HideOptions();
  P.forms->ShowResult(line);
}
