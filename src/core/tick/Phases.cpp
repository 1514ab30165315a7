#include "core/tick/Phases.h"

#include <cmath>

#include "core/ball/BallFlight.h"
#include "core/ball/Crease.h"
#include "core/ball/Launch.h"
#include "core/bowling/CursorSweep.h"
#include "core/bowling/PitchSpot.h"
#include "core/computer/ComputerBowler.h"
#include "core/match/Match.h"
#include "core/match/MatchDisplay.h"
#include "core/model/FieldGeometry.h"
#include "core/tick/Animation.h"

namespace {

using namespace field;
constexpr i16 kSimulationSetUpTick = 30;

void DrawBothStumps(const MatchDisplay& d, long long battingEndTile) {
  DrawSprite(d, *d.TileSetStumps, battingEndTile, BattingStumpsX, BattingStumpsY);
  DrawSprite(d, *d.TileSetStumps, 0, BowlingStumpsX, BowlingStumpsY);
}

void Release(Match& g) {
  MatchState& s = g.S;
  StartRunUpOrChooseSpot(g);  // fixes the spot now if nobody did during the run-up
  LaunchBall(s);
  s.BallBowled = true;
  s.RunUpStarted = false;
  g.Tell({.kind = EventKind::BallReleased,
          .pace = s.DeliveryPace,
          .pitchX = s.PitchX,
          .pitchY = s.PitchY});
}

// "Simulation" bowling: halfway through the run-up the cursor jumps up the
// pitch by pace and then sweeps down it on its own.
void SimulationSetUp(Match& g) {
  MatchState& s = g.S;
  constexpr i16 kStartY[] = {-40, 20, 80};  // fast, fast/medium, slow
  if (s.BallPace >= 0 && s.BallPace <= 2) s.BowlCursorY = kStartY[s.BallPace];
  s.BowlCursorX = int16::Add(200, static_cast<i16>(g.Rnd.Draw(100)));
  s.CursorStep = int16::Add(int16::Mul(int16::Sub(3, s.BallPace), 2), 5);
}

void DrawRunUp(Match& g, const MatchDisplay& d) {
  MatchState& s = g.S;
  if (g.Sides().bowling != Player::Computer)
    DrawSprite(d, *d.TileSetGameSp, s.BallPace, s.BowlCursorX, s.BowlCursorY);
  const i16 bowlerTile = BowlerFrame(s, s.RunUpCounter);
  DrawSprite(d, *d.TileSetBowler, bowlerTile, s.BowlerX, s.BowlerY);
  DrawBothStumps(d, 0);
  DrawSprite(d, *d.TileSetShots, BatsmanFrame(s, s.RunUpCounter), BatsmanSpriteX, BatsmanSpriteY);
}

// The ball's spin frame is drawn from the generator as it is drawn on the screen.
void DrawBall(Match& g, const MatchDisplay& d) {
  const long long spin = static_cast<long long>(std::floor(g.Rnd.Rnd() * 3.0));
  DrawSprite(d, *d.TileSetCBall, spin, g.S.BallSpriteX, g.S.BallSpriteY);
}

// The batting end's checks, told as events the tick each first happens. A shot
// that finds the ball has given it a course of its own; the bat meets it when
// the ball is turned onto that course, or when a fast ball jumps the bat's band
// in one tick (the shot still counts). A missed shot leaves the ball as it came.
void JudgeCrease(Match& g, float rowBefore) {
  MatchState& s = g.S;
  const bool stopped = s.BallStopped, bowled = s.Bowled, wide = s.WideCalled;
  const bool batToTurnIt = s.ShotPlayed && (s.BallVX != s.ShotVX || s.BallVY != s.ShotVY);
  CheckCrease(s);
  const bool turned = batToTurnIt && s.BallVX == s.ShotVX && s.BallVY == s.ShotVY;
  const bool jumped =
      batToTurnIt && !turned && rowBefore > field::BatBandTop && s.BallY <= field::BatBandTop;
  if (turned || jumped) g.Tell(EventKind::BatHit);
  if (!stopped && s.BallStopped) g.Tell(EventKind::Pads);
  if (!bowled && s.Bowled) g.Tell(EventKind::StumpsHit);
  if (!wide && s.WideCalled) g.Tell(EventKind::Wide);
}

void DrawFlight(Match& g, const MatchDisplay& d) {
  MatchState& s = g.S;
  if (s.BallY < 161.0f) DrawBall(g, d);  // behind the stumps and the batsman
  DrawBothStumps(d, s.StumpsFrame);
  DrawSprite(d, *d.TileSetSmallSp, 1, int16::Round(s.BallX), int16::Round(s.BallY));
  DrawSprite(d, *d.TileSetShots, BatsmanFrame(s, s.BallCounter), s.BatsmanSpriteX, 0);
  if (s.BallY > 160.0f) DrawBall(g, d);  // in front of the batsman
  DrawSprite(d, *d.TileSetSmallSp, 3, s.PitchX, s.PitchY);
  const i16 bowlerTile = BowlerFrame(s, s.BallCounter);
  DrawSprite(d, *d.TileSetBowler, bowlerTile, s.BowlerX, s.BowlerY);
}

}  // namespace

void DrawSprite(const MatchDisplay& d, const TileSet& tileSet, long long tile, i16 x, i16 y) {
  d.Display->DrawTile(tileSet, int16::ToByte(tile), x, y);
}

void DrawWaiting(const MatchDisplay& d) {
  DrawBothStumps(d, 0);
  DrawSprite(d, *d.TileSetShots, 0, BatsmanSpriteX, BatsmanSpriteY);
}

void RunUpStep(Match& g, const MatchDisplay& d) {
  MatchState& s = g.S;
  if (s.RunUpCounter >= RunUpTicks) {
    Release(g);
    return;
  }
  s.RunUpCounter = int16::Add(s.RunUpCounter, 1);
  DrawRunUp(g, d);
  s.BowlerY = int16::Sub(s.BowlerY, BowlerRise);
  if (g.Sides().bowling == Player::Computer) {
    CpuBowl(g);
    s.CpuBowling = true;
  }
  const bool simulation = g.Options.Bowling() == BowlingDifficulty::Simulation;
  if (!s.CpuBowling && s.RunUpCounter == kSimulationSetUpTick && simulation) SimulationSetUp(g);
  if (s.RunUpCounter > kSimulationSetUpTick && simulation) SweepBowlCursor(s);
}

void FlightStep(Match& g, const MatchDisplay& d) {
  MatchState& s = g.S;
  const bool pitched = s.BallBounced;
  const float rowBefore = s.BallY;
  MoveBall(s);
  if (!pitched && s.BallBounced) g.Tell(EventKind::BallPitched);
  JudgeCrease(g, rowBefore);
  s.BallCounter = int16::Add(s.BallCounter, 1);
  if (s.Bowled && s.StumpsFrame < 2) s.StumpsFrame = int16::Add(s.StumpsFrame, 1);
  DrawFlight(g, d);
}
