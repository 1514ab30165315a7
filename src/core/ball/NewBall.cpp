// Back to waiting after a ball has been scored: every per-ball latch cleared,
// bowler, batsman and ball back at their marks, and the bowling cursor put
// somewhere new near the middle of its area. Against the computer the cursor
// only varies across the pitch; between two humans it varies both ways.

#include "core/ball/NewBall.h"

#include "core/match/Match.h"
#include "core/model/FieldGeometry.h"

namespace {
constexpr i16 kCursorCentre = field::CursorHome;
constexpr i16 kCpuGameHalf = 20, kCpuGameSpan = 40;      // x 230..269, y 250
constexpr i16 kHumanGameHalf = 40, kHumanGameSpan = 80;  // x and y 210..289

i16 Scatter(Match& g, i16 half, i16 span) {
  return int16::Add(kCursorCentre, int16::Sub(half, static_cast<i16>(g.Rnd.Draw(span))));
}

void ClearBallLatches(MatchState& s) {
  s.BallBounced = s.RunUpStarted = s.BallBowled = s.PitchChosen = false;
  s.StumpCheckDone = s.BallPastBat = s.WideCalled = s.BallStopped = false;
  s.Bowled = s.WideBall = s.CpuBowling = false;
  s.RunUpCounter = s.BallCounter = s.StumpsFrame = s.ShotFrameBase = s.CursorVX = 0;
}

void PlaceBowlCursor(Match& g) {
  if (g.Options.Game() == GameType::HumanVCpu) {
    g.S.BowlCursorX = Scatter(g, kCpuGameHalf, kCpuGameSpan);
    g.S.BowlCursorY = kCursorCentre;
  } else {
    g.S.BowlCursorX = Scatter(g, kHumanGameHalf, kHumanGameSpan);  // x is drawn first
    g.S.BowlCursorY = Scatter(g, kHumanGameHalf, kHumanGameSpan);
  }
}

}  // namespace

// The pictures and the ball at their starting marks: the ball in the bowler's
// hand, 170 pixels above the release point (250, 330).
void ResetPositions(MatchState& s) {
  s.BatsmanSpriteX = field::BatsmanSpriteX;
  s.BowlerX = field::BowlerStartX;
  s.BowlerY = field::BowlerStartY;
  s.BallSpriteX = 180;
  s.BallSpriteY = 160;
  s.BallX = field::ReleaseX;
  s.BallY = field::ReleaseY;
}

void NewBall(Match& g) {
  ClearBallLatches(g.S);
  PlaceBowlCursor(g);
  ResetPositions(g.S);
  g.S.OutcomeText.clear();
}
