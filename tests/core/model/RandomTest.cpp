#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "core/model/Random.h"

TEST(Random, DrawIsUniformOverOneToN) {
  for (int n : {2, 3, 4, 6, 8, 10, 12, 16, 20, 24, 30, 40, 80, 100}) {
    Random rnd(1234 + n);
    std::map<int, int> counts;
    const int perValue = 2000;
    for (int i = 0; i < n * perValue; ++i) ++counts[rnd.Draw(n)];
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(n)) << "n=" << n;
    EXPECT_EQ(counts.begin()->first, 1);
    EXPECT_EQ(counts.rbegin()->first, n);
    for (auto [value, count] : counts)
      EXPECT_NEAR(count, perValue, perValue * 0.12) << n << ":" << value;
  }
}

TEST(Random, RndStaysBelowOneWith24Bits) {
  Random rnd(7);
  for (int i = 0; i < 100000; ++i) {
    const float r = rnd.Rnd();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    ASSERT_EQ(r * 16777216.0f, std::floor(r * 16777216.0f));
  }
}

TEST(Random, DrawOfZeroIsOne) {
  Random rnd(3);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(rnd.Draw(0), 1);
}

// A computer bowler reseeding every tick of one second must not drift the same way each tick.
TEST(Random, TwoReseedsAtTheSameMomentDoNotRepeat) {
  Random rnd(99);
  rnd.Reseed(43200000);
  const float first = rnd.Rnd();
  rnd.Reseed(43200000);
  EXPECT_NE(rnd.Rnd(), first);
}
