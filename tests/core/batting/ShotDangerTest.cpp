// How dangerous each shot is to each ball: its line where it crossed the crease
// (five bands, nothing outside them) plus its length where it pitched (full,
// good, short), at both bounds of every band.
#include <gtest/gtest.h>

#include <array>

#include "core/batting/ShotDanger.h"
#include "core/model/Outcome.h"

namespace {

// clang-format off
constexpr std::array<i16, 12> kCrossings = {270, 271, 279, 280, 314, 315, 329, 330, 339, 340, 359, 360};
constexpr std::array<i16, 4> kPitches = {221, 222, 249, 250};

struct ShotRow {
  const char* shot;
  std::array<int, 12> byLine;   // a full ball (pitched at 221) crossing at each of kCrossings
  std::array<int, 4> byLength;  // a ball crossing at 270 (no line danger) pitched at each of kPitches
};

//                               270 271 279 280 314 315 329 330 339 340 359 360    221 222 249 250
constexpr ShotRow kDanger[] = {
    {"Defensive",        {1,  5,  5,  2,  2,  2,  2,  2,  2,  3,  3,  1},  {1,  1,  1,  3}},
    {"Front Foot Drive", {1,  3,  3,  2,  2,  2,  2,  4,  4,  4,  4,  1},  {1,  3,  3,  5}},
    {"Leg Glance",       {1,  5,  5,  4,  4,  3,  3,  2,  2,  2,  2,  1},  {1,  2,  2,  3}},
    {"Hook",             {5,  9,  9,  8,  8,  6,  6,  6,  6,  6,  6,  5},  {5,  3,  3,  1}},
    {"Square Cut",       {5,  6,  6,  6,  6,  8,  8,  9,  9,  9,  9,  5},  {5,  3,  3,  1}},
};
// clang-format on

TEST(ShotDanger, EveryShotAgainstEveryLineAndLength) {
  for (i16 code = shot::kDefensive; code <= shot::kCut; ++code) {
    const ShotRow& row = kDanger[code];
    for (std::size_t i = 0; i < kCrossings.size(); ++i)
      EXPECT_EQ(ShotDangerOf(code, kCrossings[i], 221), row.byLine[i])
          << row.shot << " crossing at " << kCrossings[i];
    for (std::size_t i = 0; i < kPitches.size(); ++i)
      EXPECT_EQ(ShotDangerOf(code, 270, kPitches[i]), row.byLength[i])
          << row.shot << " pitched at " << kPitches[i];
  }
}

TEST(ShotDanger, AShotCodeOutsideTheTablesIsSubscriptOutOfRange) {
  for (i16 code : {-1, 5}) {
    try {
      ShotDangerOf(code, 300, 230);
      ADD_FAILURE() << "no error for shot " << code;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), kErrSubscript);
    }
  }
}

}  // namespace
