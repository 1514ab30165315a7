#include "core/computer/ComputerBatsman.h"

#include "core/batting/ShotPlay.h"
#include "core/match/Match.h"
#include "core/model/Outcome.h"

namespace {

// The computer reads the ball once its ground point is this far up the screen.
constexpr float kLookY = 205.0f;

// Placement spread of the bat in pixels, by "CPU AI" difficulty.
struct SpreadByDifficulty {
  Difficulty difficulty;
  i16 spread;
};
constexpr SpreadByDifficulty kSpreads[] = {
    {Difficulty::Easy, 30},
    {Difficulty::Normal, 20},
    {Difficulty::Hard, 10},
};

// The pitch spot's y that splits full balls (driven or glanced) from short ones
// (cut or hooked), and the crease x that splits off side from leg side for each.
constexpr i16 kLengthY = 235;
constexpr i16 kFullSplitX = 310;
constexpr i16 kShortSplitX = 300;

// With no difficulty selected the last spread stands.
void ReadSpread(Match& g) {
  const Difficulty difficulty = g.Options.Computer();
  for (const SpreadByDifficulty& entry : kSpreads) {
    if (entry.difficulty == difficulty) {
      g.S.CpuBatSpread = entry.spread;
      return;
    }
  }
}

// The bat goes from 4 pixels left of the ball to spread - 5 pixels right of it.
void PlaceBat(Match& g) {
  MatchState& s = g.S;
  const float drawn = static_cast<float>(g.Rnd.Draw(s.CpuBatSpread));
  s.BatsmanX = int16::Round(drawn + (s.BallX - 5.0f));
}

// Exactly on a split line none of the four holds, and the last shot chosen stands.
void ChooseShot(MatchState& s) {
  const i16 x = s.BallCrossX;
  const i16 y = s.PitchY;
  if (x < kFullSplitX && y < kLengthY) s.ShotKey = shot::kDrive;
  if (x > kFullSplitX && y < kLengthY) s.ShotKey = shot::kGlance;
  if (x < kShortSplitX && y > kLengthY) s.ShotKey = shot::kCut;
  if (x > kShortSplitX && y > kLengthY) s.ShotKey = shot::kHook;
}

}  // namespace

// The computer batsman, every tick of the second innings of "Human V CPU". Once
// the ball is near it places the bat and picks a shot, every tick; the shot
// itself is accepted once per ball inside the hitting window. A wide is left alone.
void CpuBat(Match& g) {
  MatchState& s = g.S;
  if (g.Sides().batting != Player::Computer) return;
  if (!(s.BallY < kLookY)) return;
  ReadSpread(g);
  PlaceBat(g);
  ChooseShot(s);
  if (!s.WideBall) PlayShot(g);
}
