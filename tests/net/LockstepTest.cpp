// A tick plays only with both machines' inputs for it, in order, never guessed.
#include <gtest/gtest.h>

#include "net/Lockstep.h"

namespace net {
namespace {

using Lines = std::vector<std::string>;

TEST(Lockstep, TheFirstTicksAreEmptyThenEachWaitsForTheOthersInputs) {
  Lockstep host(2);
  ASSERT_TRUE(host.Open());
  EXPECT_EQ(host.Close({"down 90"}).tick, 3u);  // stamped two ticks ahead of tick 1
  EXPECT_FALSE(host.Open());                    // once per tick
  ASSERT_TRUE(host.Next());                     // tick 1: empty by agreement
  host.Close({});
  ASSERT_TRUE(host.Next());  // tick 2
  host.Close({});
  EXPECT_FALSE(host.Next());  // tick 3 waits for the other machine
  EXPECT_TRUE(host.Receive({3, {"down 37"}}));
  const auto tick3 = host.Next();
  ASSERT_TRUE(tick3);
  EXPECT_EQ(tick3->mine, Lines{"down 90"});
  EXPECT_EQ(tick3->theirs, Lines{"down 37"});
  EXPECT_EQ(host.Played(), 3u);
}

TEST(Lockstep, RefusesTicksOutOfOrderAndTooFarAhead) {
  Lockstep lockstep(1);
  EXPECT_FALSE(lockstep.Receive({3, {}}));  // tick 2 skipped
  EXPECT_TRUE(lockstep.Receive({2, {}}));
  EXPECT_FALSE(lockstep.Receive({2, {}}));  // again
  std::uint32_t tick = 3;
  while (lockstep.Receive({tick, {}})) ++tick;
  // No honest machine runs further ahead of us than both delays allow, so
  // what it may make us hold stays bounded whatever it sends.
  EXPECT_LE(tick, 2u + 2u * kLongestDelay + 1u);
  EXPECT_LE(lockstep.Waiting(), 2u + 2u * kLongestDelay);
}

TEST(Lockstep, KeepsOnlyTheFirstLinesOfAFullTick) {
  Lockstep lockstep(1);
  EXPECT_EQ(lockstep.Close(Lines(20, "down 9")).lines.size(), kMostLinesInATick);
}

}  // namespace
}  // namespace net
