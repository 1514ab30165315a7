#include "core/game/StartingMarks.h"

#include "core/ball/NewBall.h"
#include "core/input/Keyboard.h"
#include "core/match/Match.h"
#include "core/model/FieldGeometry.h"

void PlaceStartingMarks(Match& m) {
  MatchState& s = m.S;
  s.QuitGame = false;
  ReleaseArrowKeys(s);
  s.BowlCursorX = field::CursorHome;
  s.BowlCursorY = field::CursorHome;
  s.BallCrossX = 300;
  ResetPositions(s);
  s.BatsmanX = 300;
  s.RunUpCounter = 0;
  s.BallCounter = 0;
  s.FirstInnings = true;
  const BowlingDifficulty bowling = m.Options.Bowling();
  if (bowling == BowlingDifficulty::Easy || bowling == BowlingDifficulty::Simulation)
    s.CursorAccel = 1;
}
