#include "tick/Phases.h"

#include <cmath>

#include "ball/Crease.h"
#include "ball/Delivery.h"
#include "match/Game.h"
#include "opponent/Computer.h"
#include "tick/Animation.h"
#include "tick/Movement.h"

namespace {

// Where the two sets of stumps and the batsman stand on the screen.
constexpr i16 kStumpsX = 320;
constexpr i16 kBattingStumpsY = 90;
constexpr i16 kBowlingStumpsY = 340;
constexpr i16 kBatsmanStanceX = 180;
constexpr i16 kSimulationSetUpTick = 30;
constexpr i16 kRunUpTicks = 60;

void DrawBothStumps(MatchState& s, long long battingEndTile) {
  DrawSprite(s, *s.TileSetStumps, battingEndTile, kStumpsX, kBattingStumpsY);
  DrawSprite(s, *s.TileSetStumps, 0, kStumpsX, kBowlingStumpsY);
}

void Release(Game& g) {
  MatchState& s = g.S;
  StartRunUpOrChooseSpot(g);  // fixes the spot now if nobody did during the run-up
  LaunchBall(s);
  s.BallBowled = true;
  s.RunUpStarted = false;
}

// "Simulation" bowling: halfway through the run-up the cursor jumps up the
// pitch by pace and then sweeps down it on its own.
void SimulationSetUp(Game& g) {
  MatchState& s = g.S;
  constexpr i16 kStartY[] = {-40, 20, 80};  // fast, fast/medium, slow
  if (s.BallPace >= 0 && s.BallPace <= 2) s.BowlCursorY = kStartY[s.BallPace];
  s.BowlCursorX = int16::Add(200, static_cast<i16>(g.Rnd.Draw(100)));
  s.CursorStep = int16::Add(int16::Mul(int16::Sub(3, s.BallPace), 2), 5);
}

void DrawRunUp(Game& g) {
  MatchState& s = g.S;
  if (!g.ComputerBowls())
    DrawSprite(s, *s.TileSetGameSp, s.BallPace, s.BowlCursorX, s.BowlCursorY);
  const i16 bowlerTile = BowlerFrame(s, s.RunUpCounter);
  DrawSprite(s, *s.TileSetBowler, bowlerTile, s.BowlerX, s.BowlerY);
  DrawBothStumps(s, 0);
  DrawSprite(s, *s.TileSetShots, BatsmanFrame(s, s.RunUpCounter), kBatsmanStanceX, 0);
}

void DrawBall(Game& g) {
  const long long spin = static_cast<long long>(std::floor(g.Rnd.Rnd() * 3.0));
  DrawSprite(g.S, *g.S.TileSetCBall, spin, g.S.BallSpriteX, g.S.BallSpriteY);
}

void DrawFlight(Game& g) {
  MatchState& s = g.S;
  if (s.BallY < 161.0f) DrawBall(g);  // behind the stumps and the batsman
  DrawBothStumps(s, s.StumpsFrame);
  DrawSprite(s, *s.TileSetSmallSp, 1, int16::Round(s.BallX), int16::Round(s.BallY));
  DrawSprite(s, *s.TileSetShots, BatsmanFrame(s, s.BallCounter), s.BatsmanSpriteX, 0);
  if (s.BallY > 160.0f) DrawBall(g);  // in front of the batsman
  DrawSprite(s, *s.TileSetSmallSp, 3, s.PitchX, s.PitchY);
  const i16 bowlerTile = BowlerFrame(s, s.BallCounter);
  DrawSprite(s, *s.TileSetBowler, bowlerTile, s.BowlerX, s.BowlerY);
}

}  // namespace

void DrawSprite(MatchState& s, const TileSet& tileSet, long long tile, i16 x, i16 y) {
  s.Display->DrawTile(tileSet, int16::ToByte(tile), x, y);
}

void DrawWaiting(MatchState& s) {
  DrawBothStumps(s, 0);
  DrawSprite(s, *s.TileSetShots, 0, kBatsmanStanceX, 0);
}

void RunUpStep(Game& g) {
  MatchState& s = g.S;
  if (s.RunUpCounter >= kRunUpTicks) {
    Release(g);
    return;
  }
  s.RunUpCounter = int16::Add(s.RunUpCounter, 1);
  DrawRunUp(g);
  s.BowlerY = int16::Sub(s.BowlerY, 4);
  if (g.ComputerBowls()) {
    CpuBowl(g);
    s.CpuBowling = true;
  }
  const bool simulation = g.Selected(Option::OptionBOWLh);
  if (!s.CpuBowling && s.RunUpCounter == kSimulationSetUpTick && simulation) SimulationSetUp(g);
  if (s.RunUpCounter > kSimulationSetUpTick && simulation) SweepBowlCursor(s);
}

void FlightStep(Game& g) {
  MatchState& s = g.S;
  MoveBall(s);
  CheckCrease(s);
  s.BallCounter = int16::Add(s.BallCounter, 1);
  if (s.Bowled && s.StumpsFrame < 2) s.StumpsFrame = int16::Add(s.StumpsFrame, 1);
  DrawFlight(g);
}
