// The judgement of a shot in words: what the shot earned, said truthfully,
// and a block told apart from an attacking shot that finds no run.
#include <gtest/gtest.h>

#include <string>

#include "core/commentary/ShotJudgement.h"
#include "core/model/Outcome.h"

TEST(ShotJudgement, EachOutcomeAShotCanEarnHasItsWords) {
  const struct {
    int shot;
    std::string_view earned;
    const char* words;
  } cases[] = {
      {shot::kDrive, outcome::kFourRuns, "Drive, timing and line 9 against danger 2: clean hit"},
      {shot::kGlance, outcome::kThreeRuns,
       "Leg glance, timing and line 9 against danger 2: good for three"},
      {shot::kHook, outcome::kTwoRuns, "Hook, timing and line 9 against danger 2: good for two"},
      {shot::kCut, outcome::kOneRun,
       "Square cut, timing and line 9 against danger 2: good for a single"},
      {shot::kDrive, outcome::kNoRun,
       "Drive, timing and line 9 against danger 2: hit, but no run in it"},
      {shot::kDefensive, outcome::kNoRun, "Defensive, timing and line 9 against danger 2: blocked"},
      {shot::kDrive, outcome::kCaught,
       "Drive, timing and line 9 against danger 2: edged up for a catch"},
      {shot::kDefensive, outcome::kCaught,
       "Defensive, timing and line 9 against danger 2: edged up for a catch"},
      {shot::kHook, outcome::kNone, "Hook, timing and line 9 against danger 2: no contact"},
      {9, outcome::kFourRuns,
       "Shot, timing and line 9 against danger 2: clean hit"},  // unknown code
  };
  for (const auto& c : cases)
    EXPECT_EQ(commentary::ShotJudgement(c.shot, 9, 2, c.earned), c.words) << c.earned;
}
