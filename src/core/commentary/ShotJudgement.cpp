#include "core/commentary/ShotJudgement.h"

#include <array>
#include <string_view>

#include "core/commentary/CommentaryText.h"
#include "core/commentary/CommentaryWords.h"

namespace commentary {
namespace {

constexpr int kDefensive = 0;  // the shot code of the block; every other shot attacks

// What the shot earned, in words. A block that holds the ball earns "No Run"
// as an attacking shot that finds no gap does, but it is told otherwise.
struct Verdict {
  Outcome outcome;
  std::string_view words;
};
constexpr std::array<Verdict, 7> kVerdicts = {{
    {Outcome::None, words::kNoContact},
    {Outcome::Caught, words::kEdgedUp},
    {Outcome::NoRun, words::kNoRunInIt},
    {Outcome::OneRun, words::kGoodForOne},
    {Outcome::TwoRuns, words::kGoodForTwo},
    {Outcome::ThreeRuns, words::kGoodForThree},
    {Outcome::FourRuns, words::kCleanHit},
}};

std::string_view VerdictOf(int shot, Outcome earned) {
  if (shot == kDefensive && earned == Outcome::NoRun) return words::kBlocked;
  for (const Verdict& verdict : kVerdicts)
    if (verdict.outcome == earned) return verdict.words;
  return words::kNoContact;
}

std::string_view ShotName(int shot) {
  if (shot < 0 || shot >= static_cast<int>(words::kShotNames.size())) return words::kUnknownShot;
  return words::kShotNames[static_cast<std::size_t>(shot)];
}

}  // namespace

std::string ShotJudgement(int shot, int timingLine, int danger, Outcome earned) {
  return Fill(words::kJudgement, {ShotName(shot), std::to_string(timingLine),
                                  std::to_string(danger), VerdictOf(shot, earned)});
}

}  // namespace commentary
