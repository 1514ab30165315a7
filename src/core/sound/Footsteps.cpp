#include "core/sound/Footsteps.h"

#include <algorithm>

#include "core/model/FieldGeometry.h"

namespace {

namespace runup {
constexpr int kFirstTick = 1;
constexpr int kLastTick = field::RunUpTicks;  // the ball leaves the hand on the tick after
}  // namespace runup

// The bowler's tiles that show a foot coming down. Tiles 1 to 24 are three
// strides of eight tiles each: the left foot lands on the first tile of a
// stride (1, 9, 17) and the right foot half a stride later (5, 13, 21). The
// bound takes off on 25 and lands on the back foot on 27; the front foot
// plants on 29 in the delivery stride. Tiles in between show a foot in the air
// or one already down, so they make no sound.
constexpr std::array<std::int16_t, 8> kFootDownTiles = {1, 5, 9, 13, 17, 21, 27, 29};

bool IsFootDown(std::int16_t tile) {
  return std::find(kFootDownTiles.begin(), kFootDownTiles.end(), tile) != kFootDownTiles.end();
}

}  // namespace

// A foot lands on the first tick of a foot-down tile: a tile held for two
// ticks is one footfall, not two.
std::vector<int> FootstepTicks(const std::array<std::int16_t, 62>& runUpFrames) {
  std::vector<int> ticks;
  for (int k = runup::kFirstTick; k <= runup::kLastTick; ++k) {
    const std::int16_t tile = runUpFrames[static_cast<std::size_t>(k)];
    const bool heldFromBefore = k > runup::kFirstTick && runUpFrames[k - 1U] == tile;
    if (IsFootDown(tile) && !heldFromBefore) ticks.push_back(k);
  }
  return ticks;
}
