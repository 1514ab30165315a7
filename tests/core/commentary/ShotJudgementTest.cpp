// The judgement of a shot in words: what the shot earned, said truthfully,
// and a block told apart from an attacking shot that finds no run.
#include <gtest/gtest.h>

#include <string>

#include "core/commentary/ShotJudgement.h"
#include "core/model/Outcome.h"

TEST(ShotJudgement, EachOutcomeAShotCanEarnHasItsWords) {
  const struct {
    int shot;
    Outcome earned;
    const char* words;
  } cases[] = {
      {shot::kDrive, Outcome::FourRuns, "Drive, timing and line 9 against danger 2: clean hit"},
      {shot::kGlance, Outcome::ThreeRuns,
       "Leg glance, timing and line 9 against danger 2: good for three"},
      {shot::kHook, Outcome::TwoRuns, "Hook, timing and line 9 against danger 2: good for two"},
      {shot::kCut, Outcome::OneRun,
       "Square cut, timing and line 9 against danger 2: good for a single"},
      {shot::kDrive, Outcome::NoRun,
       "Drive, timing and line 9 against danger 2: hit, but no run in it"},
      {shot::kDefensive, Outcome::NoRun, "Defensive, timing and line 9 against danger 2: blocked"},
      {shot::kDrive, Outcome::Caught,
       "Drive, timing and line 9 against danger 2: edged up for a catch"},
      {shot::kDefensive, Outcome::Caught,
       "Defensive, timing and line 9 against danger 2: edged up for a catch"},
      {shot::kHook, Outcome::None, "Hook, timing and line 9 against danger 2: no contact"},
      {9, Outcome::FourRuns,
       "Shot, timing and line 9 against danger 2: clean hit"},  // unknown code
  };
  for (const auto& c : cases)
    EXPECT_EQ(commentary::ShotJudgement(c.shot, 9, 2, c.earned), c.words) << TextOf(c.earned);
}
