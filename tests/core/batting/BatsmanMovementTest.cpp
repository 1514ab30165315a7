#include <gtest/gtest.h>

#include <vector>

#include "core/batting/BatsmanMovement.h"
#include "core/model/MatchState.h"

namespace {

// Each step grows by 3; the bound only stops the move after the one crossing it,
// and a stop, a release or both keys start the next move at 3 again.
TEST(MoveBatsman, AcceleratesUntilTheBoundStopsTheNextMove) {
  struct Run {
    i16 startX, startVX;
    bool z, x;
    std::vector<int> positions;  // BatsmanX after each tick
  };
  const Run runs[] = {
      {300, 0, true, false, {297, 291, 282, 270, 255, 237, 237}},
      {300, 0, false, true, {303, 309, 318, 330, 345, 363, 363}},
      {251, 0, true, false, {248, 248}},
      {240, 0, true, false, {240}},
      {250, 0, true, false, {250}},  // on a bound: no further that way
      {350, 0, false, true, {350}},
      {240, 0, false, true, {243, 249}},
      {300, 9, true, true, {300}},
      {300, -6, false, false, {300}},
  };
  for (const auto& run : runs) {
    MatchState s;
    s.BatsmanX = run.startX;
    s.BatsmanVX = run.startVX;
    s.BatLeftHeld = run.z, s.BatRightHeld = run.x;
    std::vector<int> seen;
    for (std::size_t i = 0; i < run.positions.size(); ++i) {
      MoveBatsman(s);
      seen.push_back(s.BatsmanX);
    }
    EXPECT_EQ(seen, run.positions)
        << "from " << run.startX << (run.z ? " Z" : "") << (run.x ? " X" : "");
    if (seen.size() == 1 || seen.back() == seen[seen.size() - 2]) {
      EXPECT_EQ(s.BatsmanVX, 0) << run.startX;
    }
  }
}

}  // namespace
