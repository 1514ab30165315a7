#include <gtest/gtest.h>

#include "core/sound/Footsteps.h"

namespace {

using RunUp = std::array<std::int16_t, 62>;

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
        // Index 0 is before the run-up and tile 1 is already showing: tick 1 still steps.
        FootstepCase{"Slow", SlowRunUp(), {1, 16, 32, 48}}, FootstepCase{"Standing", RunUp{}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
