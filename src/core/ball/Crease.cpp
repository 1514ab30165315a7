// What happens at the batting end, judged on the ball's ground point and its
// height (BallY - BallSpriteY) alone. Four tests a tick, in this order: the
// batsman's body, the stumps, the wide corridor, and the bat taking over the
// ball's course once a shot has been played.

#include "core/ball/Crease.h"
#include "core/model/MatchState.h"
#include "core/model/Outcome.h"

namespace {
constexpr i16 kBatsmanAtRest = 180;  // BatsmanSpriteX until a shot moves the picture

float Height(const MatchState& s) { return s.BallY - static_cast<float>(s.BallSpriteY); }

// Once, when an unplayed ball first comes past y 176: a low ball at the pads or
// a high one at the body is stopped dead.
void CheckBody(MatchState& s) {
  if (s.BallPastBat || s.ShotPlayed || !(s.BallY < 176) || s.BatsmanSpriteX != kBatsmanAtRest) return;
  s.BallPastBat = true;
  const float h = Height(s);
  if (s.BallX > 323 && s.BallX < 346 && h < 130) s.BallStopped = true;
  if (s.BallX > 305 && s.BallX < 330 && h > 129 && h < 200) s.BallStopped = true;
}

// Once, when the ball first comes past y 150: low enough between the stumps is bowled.
void CheckStumps(MatchState& s) {
  if (s.StumpCheckDone || !(s.BallY < 150)) return;
  s.StumpCheckDone = true;
  if (s.BallX > 310 && s.BallX < 338 && Height(s) < 64) {
    s.Bowled = true;
    s.OutcomeText = outcome::kBowled;
  }
}

// Every tick an unplayed ball spends in the band y 200..220: its line is
// recorded, and outside x 251..359 it is a wide.
void CheckWide(MatchState& s) {
  if (!(s.BallY > 200 && s.BallY < 220) || s.WideCalled || s.ShotPlayed) return;
  s.BallCrossX = int16::Round(s.BallX);
  if (s.BallX < 251 || s.BallX > 359) {
    s.WideBall = true;
    s.WideCalled = true;
  }
}

// In the hitting band y 168..178 a played shot sends the ball off the bat.
void CheckBat(MatchState& s) {
  if (s.BallY > 168 && s.BallY < 178 && s.ShotPlayed) {
    s.BallVX = s.ShotVX;
    s.BallVY = s.ShotVY;
  }
}
}  // namespace

void CheckCrease(MatchState& s) {
  CheckBody(s);
  CheckStumps(s);
  CheckWide(s);
  CheckBat(s);
}
