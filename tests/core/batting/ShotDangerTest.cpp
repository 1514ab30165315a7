// How dangerous a shot is to a ball: a part for its line where it crossed the
// crease (five bands, nothing outside them) plus a part for its length where it
// pitched (full, good, short). The values are the game's tables; what is tested
// is what they do: where the bands start and end, and which way length cuts.
#include <gtest/gtest.h>

#include "core/batting/ShotDanger.h"
#include "core/model/Outcome.h"

namespace {

constexpr i16 kFull = 221, kGood = 222, kGoodLast = 249, kShort = 250;

TEST(ShotDanger, OnlyABallInsideTheBandsAddsLineDangerTheSameAtEveryLength) {
  for (i16 code = shot::kDefensive; code <= shot::kCut; ++code) {
    for (i16 pitch : {kFull, kGood, kShort}) {
      const int lengthOnly = ShotDangerOf(code, 270, pitch);
      EXPECT_EQ(ShotDangerOf(code, 360, pitch), lengthOnly) << code;
      EXPECT_EQ(ShotDangerOf(code, -5, pitch), lengthOnly) << code;
      for (i16 x : {271, 300, 359})
        EXPECT_GT(ShotDangerOf(code, x, pitch), lengthOnly) << code << " crossing at " << x;
      // The line's part does not depend on the length.
      EXPECT_EQ(ShotDangerOf(code, 330, pitch) - lengthOnly,
                ShotDangerOf(code, 330, kFull) - ShotDangerOf(code, 270, kFull));
    }
  }
}

// Each band keeps one danger from its first x to its last: a band boundary moved
// by one shows up as a change inside a band for some shot.
TEST(ShotDanger, EachLineBandHoldsFromItsFirstToItsLastPixel) {
  const i16 bands[][2] = {{271, 279}, {280, 314}, {315, 329}, {330, 339}, {340, 359}};
  bool neighboursDiffer[4] = {};
  for (i16 code = shot::kDefensive; code <= shot::kCut; ++code) {
    for (std::size_t b = 0; b < 5; ++b) {
      for (i16 x = bands[b][0]; x <= bands[b][1]; ++x)
        EXPECT_EQ(ShotDangerOf(code, x, kFull), ShotDangerOf(code, bands[b][0], kFull))
            << code << " crossing at " << x;
      if (b < 4)
        neighboursDiffer[b] |=
            ShotDangerOf(code, bands[b][1], kFull) != ShotDangerOf(code, bands[b + 1][0], kFull);
    }
  }
  for (bool differ : neighboursDiffer) EXPECT_TRUE(differ);
}

// A drive is riskier the shorter the ball; the hook and the cut the fuller.
TEST(ShotDanger, LengthCutsOneWayForTheDriveAndTheOtherForHookAndCut) {
  const auto byLength = [](i16 code) {
    return std::array{ShotDangerOf(code, 270, kFull), ShotDangerOf(code, 270, kGood),
                      ShotDangerOf(code, 270, kGoodLast), ShotDangerOf(code, 270, kShort)};
  };
  const auto drive = byLength(shot::kDrive);
  EXPECT_LT(drive[0], drive[1]);
  EXPECT_EQ(drive[1], drive[2]);
  EXPECT_LT(drive[2], drive[3]);
  for (i16 code : {shot::kHook, shot::kCut}) {
    const auto attack = byLength(code);
    EXPECT_GT(attack[0], attack[1]) << code;
    EXPECT_EQ(attack[1], attack[2]) << code;
    EXPECT_GT(attack[2], attack[3]) << code;
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
