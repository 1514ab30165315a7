// One frame of the match. The steps run in this order every tick; the picture
// is drawn afresh from the background up, back to front.
#include "core/tick/GameTick.h"

#include <string>

#include "core/ball/NewBall.h"
#include "core/batting/BatsmanMovement.h"
#include "core/bowling/BowlCursor.h"
#include "core/computer/ComputerBatsman.h"
#include "core/match/Match.h"
#include "core/match/MatchDisplay.h"
#include "core/model/FieldGeometry.h"
#include "core/model/Outcome.h"
#include "core/scoring/Scoring.h"
#include "core/tick/Phases.h"

namespace {

void DrawInfoLines(const MatchState& s, const MatchDisplay& d) {
  d.Display->DrawText("(Timing + line) - Shot Danger  = " + std::to_string(s.TimingLine) + " - " +
                          std::to_string(s.ShotDanger),
                      field::InfoLinesX, field::JudgementLineY);
  d.Display->DrawText("Outcome = " + s.OutcomeText, field::InfoLinesX, field::OutcomeLineY);
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
void DrawScoreLines(const Match& g, const MatchDisplay& d) {
  using namespace field;
  const MatchState& s = g.S;
  const std::string overs =
      std::to_string(s.OversBowled) + "." + std::to_string(s.BallsInOver) + " Overs";
  const std::string team1 = TeamLine(g.Options.Team1(), s.Team1Runs, s.Team1Wickets);
  if (s.FirstInnings) {
    d.Display->DrawText(team1, ScoreLinesX, ScoreLineY);
    d.Display->DrawText(overs, ScoreLinesX, OversLineY);
  } else {
    const std::string team2 = TeamLine(g.Options.Team2(), s.Team2Runs, s.Team2Wickets);
    d.Display->DrawText(team2, ScoreLinesX, ScoreLineY);
    d.Display->DrawText(overs, ScoreLinesX, OversLineY);
    d.Display->DrawText(team1, ScoreLinesX, TargetLineY);
  }
}

// The marker of a human batsman on the batting row; not shown while the computer bats.
void DrawBattingMarker(const Match& g, const MatchDisplay& d) {
  if (g.Sides().batting == Player::Human)
    DrawSprite(d, *d.TileSetSmallSp, 0, g.S.BatsmanX, field::BattingRowY);
}

// The bowling cursor glides under the arrow keys in "Easy" and "Normal"
// bowling, and when the computer bowls; "Simulation" sweeps it in the run-up.
bool CursorGlides(const Match& g) {
  const BowlingDifficulty bowling = g.Options.Bowling();
  return g.Sides().bowling == Player::Computer || bowling == BowlingDifficulty::Normal ||
         bowling == BowlingDifficulty::Easy;
}

}  // namespace

void GameTick(Match& g, const MatchDisplay& d) {
  MatchState& s = g.S;
  MoveBatsman(s);
  if (CursorGlides(g)) MoveBowlCursor(g);
  CpuBat(g);
  d.Display->DrawMap(*d.TileSetAll, *d.TileMap);

  if (s.InningsBreak) {
    d.Display->DrawText("Swap Over : End of Innings", field::BreakLineX, field::BreakLineY);
    d.Display->ShowFrame();
    return;
  }

  DrawInfoLines(s, d);
  if (!s.RunUpStarted && !s.BallBowled) DrawWaiting(d);
  if (s.RunUpStarted) RunUpStep(g, d);
  if (s.BallBowled) FlightStep(g, d);
  if (s.BallCounter > 60) EndOfBall(g);
  DrawScoreLines(g, d);
  DrawBattingMarker(g, d);
  d.Display->ShowFrame();
}

void CallWide(MatchState& s) {
  if (s.WideBall) s.OutcomeText = TextOf(Outcome::Wide);
}
