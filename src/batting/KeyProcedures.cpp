#include "batting/KeyProcedures.h"

#include "ball/Delivery.h"
#include "batting/ShotPlay.h"
#include "match/Game.h"
#include "match/Outcome.h"

namespace {

// In "Human V Human" every key is live. Against the computer the human bats in
// the first innings and bowls in the second, so only that side's keys act.
bool BattingGate(const Game& g) {
  return g.Selected(Option::Option2) || g.S.FirstInnings;
}

bool BowlingGate(const Game& g) {
  return g.Selected(Option::Option2) || !g.S.FirstInnings;
}

void SetIfBowling(Game& g, bool MatchState::*flag) {
  if (BowlingGate(g)) g.S.*flag = true;
}

void SetIfBatting(Game& g, bool MatchState::*flag) {
  if (BattingGate(g)) g.S.*flag = true;
}

void ChoosePace(Game& g, i16 pace) {
  if (BowlingGate(g)) g.S.BallPace = pace;
}

// The shot is chosen even when the gate is shut; only the stroke is skipped.
void ChooseShot(Game& g, int code) {
  g.S.ShotKey = static_cast<i16>(code);
  if (BattingGate(g)) PlayShot(g);
}

}  // namespace

void KeyCursorLeft(Game& g) { SetIfBowling(g, &MatchState::LeftHeld); }
void KeyCursorRight(Game& g) { SetIfBowling(g, &MatchState::RightHeld); }
void KeyCursorUp(Game& g) { SetIfBowling(g, &MatchState::UpHeld); }
void KeyCursorDown(Game& g) { SetIfBowling(g, &MatchState::DownHeld); }
void KeyBatLeft(Game& g) { SetIfBatting(g, &MatchState::BatLeftHeld); }
void KeyBatRight(Game& g) { SetIfBatting(g, &MatchState::BatRightHeld); }
void KeySlowBall(Game& g) { ChoosePace(g, 2); }
void KeyMediumBall(Game& g) { ChoosePace(g, 1); }
void KeyFastBall(Game& g) { ChoosePace(g, 0); }

void KeyBowl(Game& g) {
  if (BowlingGate(g)) StartRunUpOrChooseSpot(g);
}

// Space ends the innings break; then, batting against the computer, it calls
// for the ball (and fixes the spot mid run-up); otherwise it is a defensive shot.
void KeySpace(Game& g) {
  g.S.InningsBreak = false;
  if (g.Selected(Option::Option1) && g.S.FirstInnings) {
    StartRunUpOrChooseSpot(g);
    return;
  }
  g.S.ShotKey = shot::kDefensive;
  PlayShot(g);
}

void KeyDefensive(Game& g) { ChooseShot(g, shot::kDefensive); }
void KeyDrive(Game& g) { ChooseShot(g, shot::kDrive); }
void KeyGlance(Game& g) { ChooseShot(g, shot::kGlance); }
void KeyHook(Game& g) { ChooseShot(g, shot::kHook); }
void KeyCut(Game& g) { ChooseShot(g, shot::kCut); }
