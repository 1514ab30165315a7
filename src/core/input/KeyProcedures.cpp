#include "core/input/KeyProcedures.h"

#include "core/batting/ShotPlay.h"
#include "core/bowling/PitchSpot.h"
#include "core/match/Match.h"
#include "core/model/Outcome.h"

namespace {

// Only the keys of a side the human plays in this innings act.
bool BattingGate(const Match& g) {
  return g.Sides().batting == Player::Human;
}

bool BowlingGate(const Match& g) {
  return g.Sides().bowling == Player::Human;
}

void SetIfBowling(Match& g, bool MatchState::*flag) {
  if (BowlingGate(g)) g.S.*flag = true;
}

void SetIfBatting(Match& g, bool MatchState::*flag) {
  if (BattingGate(g)) g.S.*flag = true;
}

void ChoosePace(Match& g, i16 pace) {
  if (BowlingGate(g)) g.S.BallPace = pace;
}

// The shot is chosen even when the gate is shut; only the stroke is skipped.
void ChooseShot(Match& g, int code) {
  g.S.ShotKey = static_cast<i16>(code);
  if (BattingGate(g)) PlayShot(g);
}

}  // namespace

void KeyCursorLeft(Match& g) {
  SetIfBowling(g, &MatchState::LeftHeld);
}
void KeyCursorRight(Match& g) {
  SetIfBowling(g, &MatchState::RightHeld);
}
void KeyCursorUp(Match& g) {
  SetIfBowling(g, &MatchState::UpHeld);
}
void KeyCursorDown(Match& g) {
  SetIfBowling(g, &MatchState::DownHeld);
}
void KeyBatLeft(Match& g) {
  SetIfBatting(g, &MatchState::BatLeftHeld);
}
void KeyBatRight(Match& g) {
  SetIfBatting(g, &MatchState::BatRightHeld);
}
void KeySlowBall(Match& g) {
  ChoosePace(g, 2);
}
void KeyMediumBall(Match& g) {
  ChoosePace(g, 1);
}
void KeyFastBall(Match& g) {
  ChoosePace(g, 0);
}

void KeyBowl(Match& g) {
  if (BowlingGate(g)) StartRunUpOrChooseSpot(g);
}

// Space ends the innings break; then, batting against the computer, it calls
// for the ball (and fixes the spot mid run-up); otherwise it is a defensive shot.
void KeySpace(Match& g) {
  g.S.InningsBreak = false;
  if (g.Sides().bowling == Player::Computer) {
    StartRunUpOrChooseSpot(g);
    return;
  }
  g.S.ShotKey = shot::kDefensive;
  PlayShot(g);
}

void KeyDefensive(Match& g) {
  ChooseShot(g, shot::kDefensive);
}
void KeyDrive(Match& g) {
  ChooseShot(g, shot::kDrive);
}
void KeyGlance(Match& g) {
  ChooseShot(g, shot::kGlance);
}
void KeyHook(Match& g) {
  ChooseShot(g, shot::kHook);
}
void KeyCut(Match& g) {
  ChooseShot(g, shot::kCut);
}
