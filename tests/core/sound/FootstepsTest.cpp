#include <gtest/gtest.h>

#include "core/sound/Footsteps.h"

namespace {

using RunUp = std::array<std::int16_t, 62>;

// The game's run-up: tile 1 for the first ticks, tiles 2 to 27 two ticks each,
// then the delivery stride's tiles 28 to 32 a tick each.
constexpr RunUp kGameRunUp = {1,  1,  1,  1,  2,  2,  3,  3,  4,  4,  5,  5,  6,  6,  7,  7,
                              8,  8,  9,  9,  10, 10, 11, 11, 12, 12, 13, 13, 14, 14, 15, 15,
                              16, 16, 17, 17, 18, 18, 19, 19, 20, 20, 21, 21, 22, 22, 23, 23,
                              24, 24, 25, 25, 26, 26, 27, 27, 28, 29, 30, 31, 32, 0};

// A slower run-up: every tile held four ticks, cut off by the release at tick 60.
constexpr RunUp SlowRunUp() {
  RunUp frames{};
  for (std::size_t k = 0; k < frames.size(); ++k) frames[k] = static_cast<std::int16_t>(1 + k / 4);
  return frames;
}

struct FootstepCase {
  const char* name;
  RunUp frames;
  std::vector<int> ticks;
};

class FootstepTicksTest : public ::testing::TestWithParam<FootstepCase> {};

TEST_P(FootstepTicksTest, FeetLandOnTheFirstTickOfEachFootDownTile) {
  EXPECT_EQ(FootstepTicks(GetParam().frames), GetParam().ticks);
}

INSTANTIATE_TEST_SUITE_P(
    RunUps, FootstepTicksTest,
    ::testing::Values(
        // Left foot 1, 9, 17; right 5, 13, 21; the bound lands on 27, the front foot on 29.
        FootstepCase{"Game", kGameRunUp, {1, 10, 18, 26, 34, 42, 54, 57}},
        // Index 0 is before the run-up and tile 1 is already showing: tick 1 still steps.
        FootstepCase{"Slow", SlowRunUp(), {1, 16, 32, 48}}, FootstepCase{"Standing", RunUp{}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
