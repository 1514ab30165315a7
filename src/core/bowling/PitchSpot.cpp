// The bowler's run-up and the pitch spot. The first press of the bowling key
// starts the run-up; a press during it (or the release itself, if nobody
// pressed) fixes where the ball will pitch: the aimed point is 29 pixels right
// of and below the cursor's corner, and the faster the ball, the wider the
// bowler's error around it.

#include "core/bowling/PitchSpot.h"

#include <array>

#include "core/match/Match.h"
#include "core/model/FieldGeometry.h"

namespace {

// The error of the pitch spot by pace: spot = aim + (half - draw(span)).
struct SpotError {
  i16 halfX, spanX, halfY, spanY;
};
constexpr std::array<SpotError, 3> kSpotErrorByPace{{
    // halfX spanX halfY spanY
    {12, 24, 10, 20},  // 0 fast:        x -12..+11, y -10..+9
    {10, 20, 8, 16},   // 1 fast/medium: x -10..+9,  y -8..+7
    {6, 12, 5, 10},    // 2 slow:        x -6..+5,   y -5..+4
}};

i16 ScatterAround(Match& g, i16 cursor, i16 half, i16 span) {
  const auto draw = static_cast<i16>(g.Rnd.Draw(span));
  return int16::Add(int16::Add(cursor, field::AimOffset), int16::Sub(half, draw));
}

void FixPitchSpot(Match& g) {
  MatchState& s = g.S;
  s.DeliveryPace = s.BallPace;
  if (s.DeliveryPace < 0 || s.DeliveryPace >= static_cast<i16>(kSpotErrorByPace.size())) {
    RaiseError(kErrSubscript);
  }
  const SpotError& e = kSpotErrorByPace[static_cast<std::size_t>(s.DeliveryPace)];
  s.PitchX = ScatterAround(g, s.BowlCursorX, e.halfX, e.spanX);  // x is drawn first
  s.PitchY = ScatterAround(g, s.BowlCursorY, e.halfY, e.spanY);
  s.PitchChosen = true;
}

}  // namespace

void StartRunUpOrChooseSpot(Match& g) {
  MatchState& s = g.S;
  if (s.RunUpStarted && !s.BallBowled && !s.PitchChosen) {
    FixPitchSpot(g);
  } else if (!s.RunUpStarted && !s.BallBowled) {
    s.RunUpStarted = true;
    g.Tell(EventKind::RunUpStarted);
  }
  // Otherwise the spot is already fixed or the ball is on its way: nothing to do.
}
