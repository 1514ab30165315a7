#include "core/commentary/ShotJudgement.h"

#include <array>
#include <limits>
#include <string_view>

#include "core/commentary/CommentaryText.h"
#include "core/commentary/CommentaryWords.h"

namespace commentary {
namespace {

constexpr int kDefensive = 0;  // the shot code of the block; every other shot attacks
constexpr int kLowest = std::numeric_limits<int>::min();
constexpr int kHighest = std::numeric_limits<int>::max();

struct Band {
  int fromMargin, toMargin;
  Contact contact;
  std::string_view words;
};

// The block only ever stops the ball: a margin of 0 pops it up to a catcher,
// anything below misses it.
constexpr std::array<Band, 3> kDefensiveBands = {{
    {kLowest, -1, Contact::Missed, words::kNoContact},
    {0, 0, Contact::Edged, words::kEdgedUp},
    {1, kHighest, Contact::Blocked, words::kBlocked},
}};

// An attacking shot needs a margin of 7 to find the rope; -1 and 0 are
// edged in the air, and below that the ball beats the bat.
constexpr std::array<Band, 7> kAttackingBands = {{
    {kLowest, -2, Contact::Missed, words::kNoContact},
    {-1, 0, Contact::Edged, words::kEdgedUp},
    {1, 2, Contact::NoRun, words::kNoRunInIt},
    {3, 4, Contact::One, words::kGoodForOne},
    {5, 5, Contact::Two, words::kGoodForTwo},
    {6, 6, Contact::Three, words::kGoodForThree},
    {7, kHighest, Contact::Four, words::kCleanHit},
}};

template <std::size_t N>
const Band& BandOf(const std::array<Band, N>& bands, int margin) {
  for (const Band& band : bands)
    if (margin >= band.fromMargin && margin <= band.toMargin) return band;
  return bands.back();  // the bands cover every margin
}

const Band& BandFor(int shot, int margin) {
  return shot == kDefensive ? BandOf(kDefensiveBands, margin) : BandOf(kAttackingBands, margin);
}

std::string_view ShotName(int shot) {
  if (shot < 0 || shot >= static_cast<int>(words::kShotNames.size())) return words::kUnknownShot;
  return words::kShotNames[static_cast<std::size_t>(shot)];
}

}  // namespace

Contact ContactOf(int shot, int margin) {
  return BandFor(shot, margin).contact;
}

std::string ShotJudgement(int shot, int timingLine, int danger) {
  // Both come from 16-bit values, so their difference fits an int.
  return Fill(words::kJudgement,
              {ShotName(shot), std::to_string(timingLine), std::to_string(danger),
               BandFor(shot, timingLine - danger).words});
}

}  // namespace commentary
