// What happens at the batting end, judged on the ball's ground point and its
// height (BallY - BallSpriteY) alone. Four tests a tick, in this order: the
// batsman's body, the stumps, the wide corridor, and the bat taking over the
// ball's course once a shot has been played.

#include "core/ball/Crease.h"

#include "core/model/FieldGeometry.h"
#include "core/model/MatchState.h"
#include "core/model/Outcome.h"

namespace {
using namespace field;

float Height(const MatchState& s) {
  return s.BallY - static_cast<float>(s.BallSpriteY);
}

// Once, when an unplayed ball first comes past y 176: a low ball at the pads or
// a high one at the body is stopped dead.
void CheckBody(MatchState& s) {
  if (s.BallPastBat || s.ShotPlayed || !(s.BallY < BodyLineY) || s.BatsmanSpriteX != BatsmanSpriteX)
    return;
  s.BallPastBat = true;
  const float h = Height(s);
  if (s.BallX > PadsLeft && s.BallX < PadsRight && h < PadsTop) s.BallStopped = true;
  if (s.BallX > ChestLeft && s.BallX < ChestRight && h > ChestBottom && h < ChestTop)
    s.BallStopped = true;
}

// Once, when the ball first comes past y 150: low enough between the stumps is bowled.
void CheckStumps(MatchState& s) {
  if (s.StumpCheckDone || !(s.BallY < WicketLineY)) return;
  s.StumpCheckDone = true;
  if (s.BallX > WicketLeft && s.BallX < WicketRight && Height(s) < WicketHeight) {
    s.Bowled = true;
    s.OutcomeText = TextOf(Outcome::Bowled);
  }
}

// Every tick an unplayed ball spends in the band y 200..220: its line is
// recorded, and outside x 251..359 it is a wide.
void CheckWide(MatchState& s) {
  if (!(s.BallY > BattingRowY && s.BallY < WideBandBottom) || s.WideCalled || s.ShotPlayed) return;
  s.BallCrossX = int16::Round(s.BallX);
  if (s.BallX < WideLeft || s.BallX > WideRight) {
    s.WideBall = true;
    s.WideCalled = true;
  }
}

// In the hitting band y 168..178 a played shot sends the ball off the bat.
void CheckBat(MatchState& s) {
  if (s.BallY > BatBandTop && s.BallY < BatBandBottom && s.ShotPlayed) {
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
