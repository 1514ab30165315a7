#include "core/batting/ShotOutcome.h"

#include <array>
#include <limits>

#include "core/batting/ShotDanger.h"
#include "core/match/Match.h"
#include "core/model/FieldGeometry.h"
#include "core/model/Outcome.h"

namespace {

// The batsman's sprite steps across to the ball's line for the shots played
// in front of the body; the Hook and the Square Cut are played from where he stands.
// Defensive, Front Foot Drive: x = BallCrossX - 120; Leg Glance: x = BallCrossX - 140.
namespace sprite {
constexpr i16 kHome = field::BatsmanSpriteX;  // the sprite's x at a new ball
constexpr i16 kDriveLine = field::DriveLineX;
constexpr i16 kGlanceLine = field::GlanceLineX;
}  // namespace sprite

constexpr int kLowest = std::numeric_limits<i16>::min();
constexpr int kHighest = std::numeric_limits<i16>::max();

// What the bat does to the ball.
enum class Contact { Miss, Catch, Hit };

// An attacking shot (Front Foot Drive, Leg Glance, Hook, Square Cut) by its
// margin, TimingLine - ShotDanger. A scoring shot's speed off the bat is drawn
// from `spread`: the drive and the cut send the ball left and back down the
// pitch at -2 - draw(spread); the glance and the hook send it right, square of
// the wicket, at draw(spread) + glanceHookBase.
struct AttackRow {
  int fromMargin, toMargin;
  Outcome outcome;
  Contact contact;
  int spread;
  int glanceHookBase;
};

// margin, outcome, contact, spread, glanceHookBase
constexpr std::array<AttackRow, 7> kAttackOutcomes = {{
    {kLowest, -2, Outcome::None, Contact::Miss, 0, 0},
    {-1, 0, Outcome::Caught, Contact::Catch, 0, 0},
    {1, 2, Outcome::NoRun, Contact::Hit, 10, 2},
    {3, 4, Outcome::OneRun, Contact::Hit, 20, 10},
    {5, 5, Outcome::TwoRuns, Contact::Hit, 30, 2},
    {6, 6, Outcome::ThreeRuns, Contact::Hit, 40, 2},
    {7, kHighest, Outcome::FourRuns, Contact::Hit, 40, 2},
}};

// A catch off an attacking shot: the ball goes up steeply, anywhere in front.
namespace skied {
constexpr int kSideSpread = 40;  // ShotVX = 20 - draw(40): -20 .. 19
constexpr int kSideBase = 20;
constexpr int kUpSpread = 6;  // ShotVY = draw(6) + 10: 11 .. 16
constexpr int kUpBase = 10;
constexpr float kClimb = 50.0f;
}  // namespace skied

// Down-the-pitch speed of a scoring drive or cut, and the square speed of a glance or hook.
namespace offTheBat {
constexpr int kDriveCutBack = -2;
constexpr int kDriveCutUpSpread = 2;  // ShotVY = draw(2) + 6: 7 or 8
constexpr int kDriveCutUpBase = 6;
constexpr int kGlanceHookUpSpread = 8;  // ShotVY = 4 - draw(8): -4 .. 3
constexpr int kGlanceHookUpBase = 4;
}  // namespace offTheBat

// The Defensive shot by its margin; it only ever blocks, so nothing is drawn.
struct DefensiveRow {
  int fromMargin, toMargin;
  Outcome outcome;
  Contact contact;
  float vx, vy, climb;
};

// margin, outcome, contact, then ShotVX, ShotVY and BallClimb
constexpr std::array<DefensiveRow, 3> kDefensiveOutcomes = {{
    {kLowest, -1, Outcome::None, Contact::Miss, 0.0f, 0.0f, 0.0f},
    {0, 0, Outcome::Caught, Contact::Catch, -10.0f, -1.0f, -20.0f},
    {1, kHighest, Outcome::NoRun, Contact::Hit, -1.0f, 1.0f, 0.0f},
}};

template <typename Row, std::size_t N>
const Row& RowFor(const std::array<Row, N>& rows, i16 margin) {
  for (const Row& row : rows)
    if (margin >= row.fromMargin && margin <= row.toMargin) return row;
  return rows.back();  // the rows cover every 16-bit margin
}

void MoveBatsmanSprite(MatchState& s) {
  if (s.ShotCode == shot::kDefensive || s.ShotCode == shot::kDrive)
    s.BatsmanSpriteX = int16::Sub(sprite::kHome, int16::Sub(sprite::kDriveLine, s.BallCrossX));
  else if (s.ShotCode == shot::kGlance)
    s.BatsmanSpriteX = int16::Sub(sprite::kHome, int16::Sub(sprite::kGlanceLine, s.BallCrossX));
}

void SkyTheBall(Match& g) {
  g.S.ShotVX = static_cast<float>(skied::kSideBase - g.Rnd.Draw(skied::kSideSpread));
  g.S.ShotVY = static_cast<float>(g.Rnd.Draw(skied::kUpSpread) + skied::kUpBase);
  g.S.BallClimb = skied::kClimb;
}

void HitTheBall(Match& g, const AttackRow& row) {
  using namespace offTheBat;
  MatchState& s = g.S;
  if (s.ShotCode == shot::kDrive || s.ShotCode == shot::kCut) {
    s.ShotVX = static_cast<float>(kDriveCutBack - g.Rnd.Draw(row.spread));
    s.ShotVY = static_cast<float>(g.Rnd.Draw(kDriveCutUpSpread) + kDriveCutUpBase);
  } else {
    s.ShotVX = static_cast<float>(g.Rnd.Draw(row.spread) + row.glanceHookBase);
    s.ShotVY = static_cast<float>(kGlanceHookUpBase - g.Rnd.Draw(kGlanceHookUpSpread));
  }
}

void AttackingOutcome(Match& g, i16 margin) {
  const AttackRow& row = RowFor(kAttackOutcomes, margin);
  g.S.OutcomeText = TextOf(row.outcome);
  if (row.contact == Contact::Catch) SkyTheBall(g);
  if (row.contact == Contact::Hit) HitTheBall(g, row);
}

void DefensiveOutcome(MatchState& s, i16 margin) {
  const DefensiveRow& row = RowFor(kDefensiveOutcomes, margin);
  s.OutcomeText = TextOf(row.outcome);
  if (row.contact == Contact::Miss) return;  // the ball flies on as it came
  s.ShotVX = row.vx;
  s.ShotVY = row.vy;
  if (row.contact == Contact::Catch) s.BallClimb = row.climb;
}

}  // namespace

void ResolveShot(Match& g) {
  MatchState& s = g.S;
  s.OutcomeText = TextOf(Outcome::None);
  s.ShotDanger = ShotDangerOf(s.ShotCode, s.BallCrossX, s.PitchY);
  MoveBatsmanSprite(s);
  const i16 margin = int16::Sub(s.TimingLine, s.ShotDanger);
  if (s.ShotCode == shot::kDefensive)
    DefensiveOutcome(s, margin);
  else
    AttackingOutcome(g, margin);
}
