// One frame of the match. The steps run in this order every tick; the picture
// is drawn afresh from the background up, back to front.
#include "core/tick/GameTick.h"

#include <string>

#include "core/ball/NewBall.h"
#include "core/batting/BatsmanMovement.h"
#include "core/bowling/BowlCursor.h"
#include "core/computer/ComputerBatsman.h"
#include "core/model/Match.h"
#include "core/model/Outcome.h"
#include "core/scoring/Scoring.h"
#include "core/tick/Phases.h"

namespace {

void DrawInfoLines(Match& g) {
  const MatchState& s = g.S;
  s.Display->DrawText("(Timing + line) - Shot Danger  = " + std::to_string(s.TimingLine) + " - " +
                          std::to_string(s.ShotDanger),
                      10, 10);
  s.Display->DrawText("Outcome = " + s.OutcomeText, 10, 22);
}

void EndOfBall(Match& g) {
  g.S.ShotPlayed = false;
  CallWide(g.S);
  ScoreBall(g);
  NewBall(g);
}

std::string TeamLine(const std::string& name, i16 runs, i16 wickets) {
  return name + "  " + std::to_string(runs) + "/" + std::to_string(wickets);
}

// The batting side's score and overs top right; in the second innings, team 1's
// total to beat underneath.
void DrawScoreLines(Match& g) {
  const MatchState& s = g.S;
  const std::string overs =
      std::to_string(s.OversBowled) + "." + std::to_string(s.BallsInOver) + " Overs";
  const std::string team1 = TeamLine(g.TextOf(TextBox::Text1), s.Team1Runs, s.Team1Wickets);
  if (s.FirstInnings) {
    s.Display->DrawText(team1, 540, 10);
    s.Display->DrawText(overs, 540, 24);
  } else {
    s.Display->DrawText(TeamLine(g.TextOf(TextBox::Text2), s.Team2Runs, s.Team2Wickets), 540, 10);
    s.Display->DrawText(overs, 540, 24);
    s.Display->DrawText(team1, 540, 40);
  }
}

// The marker of a human batsman on the batting row; not shown while the computer bats.
void DrawBattingMarker(Match& g) {
  if (g.S.FirstInnings || g.Selected(Option::Option2))
    DrawSprite(g.S, *g.S.TileSetSmallSp, 0, g.S.BatsmanX, 200);
}

}  // namespace

void GameTick(Match& g) {
  MatchState& s = g.S;
  MoveBatsman(s);
  if (g.ComputerBowls() || g.Selected(Option::OptionBOWLn) || g.Selected(Option::OptionBOWLe))
    MoveBowlCursor(g);
  CpuBat(g);
  s.Display->DrawMap(*s.TileSetAll, *s.TileMap);

  if (s.InningsBreak) {
    s.Display->DrawText("Swap Over : End of Innings", 240, 240);
    s.Display->ShowFrame();
    return;
  }

  DrawInfoLines(g);
  if (!s.RunUpStarted && !s.BallBowled) DrawWaiting(s);
  if (s.RunUpStarted) RunUpStep(g);
  if (s.BallBowled) FlightStep(g);
  if (s.BallCounter > 60) EndOfBall(g);
  DrawScoreLines(g);
  DrawBattingMarker(g);
  s.Display->ShowFrame();
}

void CallWide(MatchState& s) {
  if (s.WideBall) s.OutcomeText = outcome::kWide;
}
