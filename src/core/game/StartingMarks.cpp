#include "core/game/StartingMarks.h"

#include "core/ball/NewBall.h"
#include "core/input/Keyboard.h"
#include "core/match/Match.h"

void PlaceStartingMarks(Match& m) {
  MatchState& s = m.S;
  s.QuitGame = false;
  ReleaseArrowKeys(s);
  s.BowlCursorX = 250;
  s.BowlCursorY = 250;
  s.BallCrossX = 300;
  ResetPositions(s);
  s.BatsmanX = 300;
  s.RunUpCounter = 0;
  s.BallCounter = 0;
  s.FirstInnings = true;
  if (m.Selected(Option::OptionBOWLe) || m.Selected(Option::OptionBOWLh)) s.CursorAccel = 1;
}
