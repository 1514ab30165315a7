#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "core/batting/ShotOutcome.h"
#include "core/model/Outcome.h"
#include "fakes/Fakes.h"

namespace {

struct Shot {
  i16 code, crossX, pitchY, timingLine;
};

// Resolves a shot as PlayShot hands it over, the ball's own velocity in ShotVX/VY.
const MatchState& Resolve(fakes::MatchRig& rig, const Shot& shot) {
  MatchState& s = rig.S;
  s.ShotCode = shot.code;
  s.BallCrossX = shot.crossX, s.PitchY = shot.pitchY;
  s.TimingLine = shot.timingLine;
  s.ShotVX = 0.5f, s.ShotVY = -9.0f, s.BallClimb = 3.0f;
  s.BatsmanSpriteX = 180;
  s.OutcomeText = "stale";
  ResolveShot(rig.match);
  return s;
}

// How many values the shot took from the generator.
int DrawsTaken(Random before, const Random& after) {
  for (int n = 0; n <= 4; ++n, before.Rnd())
    if (before.State() == after.State()) return n;
  return -1;
}

TEST(ResolveShot, EveryMarginRowHasItsTextDrawsAndCatch) {
  struct Case {
    Shot shot;  // danger 2 for the drive and the defensive shot: margin = timingLine - 2
    Outcome outcome;
    int draws;
    float vx, vy, climb;  // vx, vy checked where nothing is drawn
  };
  constexpr auto D = shot::kDrive;
  const Case cases[] = {
      {{D, 300, 210, -1}, Outcome::None, 0, 0.5f, -9, 3},
      {{D, 300, 210, 0}, Outcome::None, 0, 0.5f, -9, 3},
      {{D, 300, 210, 1}, Outcome::Caught, 2, 0, 0, 50},
      {{D, 300, 210, 2}, Outcome::Caught, 2, 0, 0, 50},
      {{D, 300, 210, 3}, Outcome::NoRun, 2, 0, 0, 3},
      {{D, 300, 210, 4}, Outcome::NoRun, 2, 0, 0, 3},
      {{D, 300, 210, 5}, Outcome::OneRun, 2, 0, 0, 3},
      {{D, 300, 210, 6}, Outcome::OneRun, 2, 0, 0, 3},
      {{D, 300, 210, 7}, Outcome::TwoRuns, 2, 0, 0, 3},
      {{D, 300, 210, 8}, Outcome::ThreeRuns, 2, 0, 0, 3},
      {{D, 300, 210, 9}, Outcome::FourRuns, 2, 0, 0, 3},
      {{shot::kHook, 275, 210, 10}, Outcome::NoRun, 2, 0, 0, 3},
      {{shot::kDefensive, 300, 210, 1}, Outcome::None, 0, 0.5f, -9, 3},
      {{shot::kDefensive, 300, 210, 2}, Outcome::Caught, 0, -10, -1, -20},
      {{shot::kDefensive, 300, 210, 3}, Outcome::NoRun, 0, -1, 1, 3},
      {{shot::kDefensive, 300, 210, 10}, Outcome::NoRun, 0, -1, 1, 3},
  };
  for (const auto& c : cases) {
    fakes::MatchRig rig;
    const Random before = rig.Rnd;
    const MatchState& s = Resolve(rig, c.shot);
    const auto name = "shot " + std::to_string(c.shot.code) + ", timing+line " +
                      std::to_string(c.shot.timingLine);
    EXPECT_EQ(s.OutcomeText, TextOf(c.outcome)) << name;
    EXPECT_EQ(DrawsTaken(before, rig.Rnd), c.draws) << name;
    EXPECT_EQ(s.BallClimb, c.climb) << name;
    if (c.draws == 0) {
      EXPECT_EQ(s.ShotVX, c.vx) << name;
      EXPECT_EQ(s.ShotVY, c.vy) << name;
    }
  }
}

TEST(ResolveShot, VelocityOffTheBatSpansItsWholeRange) {
  struct Case {
    Shot shot;
    float vxLo, vxHi, vyLo, vyHi;
  };
  const Case cases[] = {
      {{shot::kDrive, 300, 210, 2}, -20, 19, 11, 16},  // caught
      {{shot::kDrive, 300, 210, 3}, -12, -3, 7, 8},    // no run
      {{shot::kCut, 300, 250, 7}, -32, -3, 7, 8},      // 2 runs
      {{shot::kDrive, 300, 210, 9}, -42, -3, 7, 8},    // 4 runs
      {{shot::kGlance, 330, 210, 3}, 3, 12, -4, 3},    // no run
      {{shot::kHook, 320, 250, 7}, 3, 32, -4, 3},      // 2 runs
      {{shot::kGlance, 330, 210, 10}, 3, 42, -4, 3},   // 4 runs
  };
  for (const auto& c : cases) {
    fakes::MatchRig rig;
    rig.Rnd = Random(2024);
    float vxLo = 1e9f, vxHi = -1e9f, vyLo = 1e9f, vyHi = -1e9f;
    for (int i = 0; i < 3000; ++i) {
      const MatchState& s = Resolve(rig, c.shot);
      vxLo = std::min(vxLo, s.ShotVX), vxHi = std::max(vxHi, s.ShotVX);
      vyLo = std::min(vyLo, s.ShotVY), vyHi = std::max(vyHi, s.ShotVY);
    }
    const auto name = "shot " + std::to_string(c.shot.code) + ", timing+line " +
                      std::to_string(c.shot.timingLine);
    EXPECT_EQ(std::make_pair(vxLo, vxHi), std::make_pair(c.vxLo, c.vxHi)) << name;
    EXPECT_EQ(std::make_pair(vyLo, vyHi), std::make_pair(c.vyLo, c.vyHi)) << name;
  }
}

TEST(ResolveShot, DefensiveDriveAndGlanceStepAcrossEvenWhenTheyMiss) {
  const std::pair<Shot, int> cases[] = {{{shot::kDefensive, 320, 210, -20}, 200},
                                        {{shot::kDrive, 330, 210, -20}, 210},
                                        {{shot::kGlance, 300, 210, -20}, 160},
                                        {{shot::kHook, 330, 210, -20}, 180},
                                        {{shot::kCut, 260, 210, -20}, 180}};
  for (const auto& [shot, spriteX] : cases) {
    fakes::MatchRig rig;
    EXPECT_EQ(Resolve(rig, shot).BatsmanSpriteX, spriteX) << "shot " << shot.code;
  }
}

}  // namespace
