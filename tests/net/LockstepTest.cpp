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
  EXPECT_TRUE(lockstep.Receive({2, {"down 9"}}));  // again: a copy, let be
  EXPECT_EQ(lockstep.Waiting(), 2u);
  std::uint32_t tick = 3;
  while (lockstep.Receive({tick, {}})) ++tick;
  // No honest machine runs further ahead of us than both delays allow, so
  // what it may make us hold stays bounded whatever it sends.
  EXPECT_LE(tick, 2u + 2u * kLongestDelay + 1u);
  EXPECT_LE(lockstep.Waiting(), 2u + 2u * kLongestDelay);
}

// A lost batch comes with the copies in the next datagram; copies beyond a
// gap wait for the reliable channel.
TEST(Lockstep, TheLatestCopiesFillALostBatch) {
  Lockstep sender(1), receiver(1);
  std::vector<RecentInputs> copies;
  std::uint32_t tick = 2;
  for (const char* line : {"down 9", "up 9", "down 90", "up 90", "down 37", "up 37"}) {
    sender.Close({line});
    copies.push_back(sender.Recent());
    sender.Receive({tick++, {}});
    sender.Next();
  }
  EXPECT_EQ(copies[5].batches.size(), kRecentBatches);
  EXPECT_TRUE(receiver.ReceiveRecent(copies[0]));  // tick 2
  EXPECT_TRUE(receiver.ReceiveRecent(copies[2]));  // ticks 3 and 4; tick 3's datagram was lost
  EXPECT_TRUE(receiver.ReceiveRecent(copies[1]));  // late: nothing new
  ASSERT_EQ(receiver.Waiting(), 4u);               // tick 1, empty by agreement, and 2 to 4
  for (const char* line : {"", "down 9", "up 9", "down 90"}) {
    receiver.Close({});
    const auto inputs = receiver.Next();
    ASSERT_TRUE(inputs);
    EXPECT_EQ(inputs->theirs, *line ? Lines{line} : Lines{});
  }
  Lockstep behind(1);
  EXPECT_TRUE(behind.ReceiveRecent(copies[5]));  // ticks 4 to 7: 2 and 3 are missing
  EXPECT_EQ(behind.Waiting(), 1u);
}

TEST(Lockstep, KeepsOnlyTheFirstLinesOfAFullTick) {
  Lockstep lockstep(1);
  EXPECT_EQ(lockstep.Close(Lines(20, "down 9")).lines.size(), kMostLinesInATick);
}

}  // namespace
}  // namespace net
