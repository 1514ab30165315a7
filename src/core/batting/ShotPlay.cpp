#include "core/batting/ShotPlay.h"

#include <cmath>

#include "core/batting/ShotOutcome.h"
#include "core/match/Match.h"
#include "core/model/FieldGeometry.h"
#include "core/model/Outcome.h"

namespace {

// Pixels of ball travel, or of cursor offset, that cost one point of score.
namespace tolerance {
constexpr i16 kEasy = 7;
constexpr i16 kNormal = 5;
constexpr i16 kHard = 3;
}  // namespace tolerance

// The ball is hittable while its ground point is strictly between these rows;
// the perfect moment is when it is on the batting row, under the marker.
namespace window {
constexpr float kNearRow = 170.0f;
constexpr float kFarRow = 240.0f;
constexpr double kBattingRow = field::BattingRowY;
constexpr double kBestScore = 5.0;  // for timing and for line alike
}  // namespace window

// The batting difficulty is read afresh at every request, so a change on the
// panel counts from the next shot on.
void ReadBatTolerance(Match& g) {
  switch (g.Options.Batting()) {
    case Difficulty::Easy:
      g.S.BatTolerance = tolerance::kEasy;
      break;
    case Difficulty::Normal:
      g.S.BatTolerance = tolerance::kNormal;
      break;
    case Difficulty::Hard:
      g.S.BatTolerance = tolerance::kHard;
      break;
    case Difficulty::None:
      break;  // no button selected: the last tolerance stands
  }
}

// One shot per ball, only at a ball in flight in front of the batsman that has
// not already got past the bat.
bool InHittingWindow(const MatchState& s) {
  return s.BallY > window::kNearRow && s.BallY < window::kFarRow && s.BallBowled && !s.ShotPlayed &&
         !s.BallPastBat;
}

// Timing: how far the ball is from the batting row, kept as a single.
float TimingScore(const MatchState& s) {
  return static_cast<float>(window::kBestScore -
                            std::fabs((window::kBattingRow - s.BallY) / s.BatTolerance));
}

// Line: how far the marker is from the ball's ground x, rounded to a whole point.
i16 LineScore(const MatchState& s) {
  const double offset = static_cast<double>(s.BatsmanX) - s.BallX;
  return int16::Round(window::kBestScore - std::fabs(offset / s.BatTolerance));
}

// A shot key pressed while a ball is coming but not there to hit: too early
// while it is still on its way (or the bowler is running in), too late once it
// has gone past the bat. A second shot at the same ball is no news.
void TellMissedWindow(Match& g) {
  const MatchState& s = g.S;
  if (s.ShotPlayed || !(s.RunUpStarted || s.BallBowled)) return;
  const bool early = !s.BallBowled || (s.BallY >= window::kFarRow && !s.BallPastBat);
  g.Tell({.kind = EventKind::ShotMissedWindow, .shot = s.ShotKey, .early = early});
}

}  // namespace

void PlayShot(Match& g) {
  ReadBatTolerance(g);
  MatchState& s = g.S;
  if (!InHittingWindow(s)) {
    TellMissedWindow(g);
    return;
  }
  const float timing = TimingScore(s);
  const i16 line = LineScore(s);
  s.TimingLine = int16::Round(static_cast<float>(line) + timing);
  // Unless the bat finds the ball, it flies on as it came.
  s.ShotVX = s.BallVX;
  s.ShotVY = s.BallVY;
  s.ShotCode = s.ShotKey;
  ResolveShot(g);
  s.ShotPlayed = true;
  s.ShotFrameBase = s.BallCounter;  // the shot animation counts its ticks from here
  g.Tell({.kind = EventKind::ShotPlayed,
          .shot = s.ShotCode,
          .timingLine = s.TimingLine,
          .danger = s.ShotDanger,
          .outcome = OutcomeOf(s.OutcomeText)});
}
