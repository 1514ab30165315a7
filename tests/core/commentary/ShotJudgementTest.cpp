// The commentary's bands must say what the bat really did. Each shot at each
// margin is resolved by the game itself and its outcome compared with the band.
#include <gtest/gtest.h>

#include <string_view>

#include "core/batting/ShotDanger.h"
#include "core/batting/ShotOutcome.h"
#include "core/commentary/ShotJudgement.h"
#include "fakes/Fakes.h"
#include "core/model/Outcome.h"

namespace {

using commentary::Contact;

// The outcome the game gives each contact; a block and a hit for no run both score nothing.
std::string_view OutcomeOf(Contact contact) {
  switch (contact) {
    case Contact::Missed:
      return outcome::kNone;
    case Contact::Edged:
      return outcome::kCaught;
    case Contact::Blocked:
    case Contact::NoRun:
      return outcome::kNoRun;
    case Contact::One:
      return outcome::kOneRun;
    case Contact::Two:
      return outcome::kTwoRuns;
    case Contact::Three:
      return outcome::kThreeRuns;
    case Contact::Four:
      return outcome::kFourRuns;
  }
  return "?";
}

TEST(ShotJudgement, EveryBandAgreesWithTheGamesOwnOutcome) {
  constexpr i16 kCrossX = 300, kPitchY = 230;  // a good-length ball on middle
  for (i16 code = shot::kDefensive; code <= shot::kCut; ++code) {
    const i16 danger = ShotDangerOf(code, kCrossX, kPitchY);
    for (int margin = -12; margin <= 12; ++margin) {
      fakes::Rig rig;
      MatchState& s = rig.game.S;
      s.ShotCode = code;
      s.BallCrossX = kCrossX, s.PitchY = kPitchY;
      s.TimingLine = static_cast<i16>(danger + margin);
      s.BatsmanSpriteX = 180;
      ResolveShot(rig.game.M);
      EXPECT_EQ(OutcomeOf(commentary::ContactOf(code, margin)), s.OutcomeText)
          << "shot " << code << ", margin " << margin;
    }
  }
}

TEST(ShotJudgement, ADefensiveShotIsNeverCalledAHitForNoRun) {
  for (int margin = 1; margin <= 20; ++margin)
    EXPECT_EQ(commentary::ContactOf(shot::kDefensive, margin), Contact::Blocked);
}

TEST(ShotJudgement, AnUnknownShotCodeStillReads) {
  EXPECT_EQ(commentary::ShotJudgement(9, 9, 2),
            "Shot, timing and line 9 against danger 2: clean hit");
}

}  // namespace
