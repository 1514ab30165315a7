// Which keys act for whom, read afresh at every press.
#include <gtest/gtest.h>

#include "ReplayHarness.h"

TEST(Keys, HumanVersusCpuFirstInningsTakesOnlyBattingKeys) {
  const auto result = RunReplay(
      "select Option1\nbegin\n"
      "down 37\ndown 90\ndown 97\n"
      "print LeftHeld BatLeftHeld BallPace\n"
      "press 78\nprint ShotKey ShotPlayed\n"
      "press 32\nprint RunUpStarted\n");
  const auto prints = result.Prints();
  ASSERT_EQ(prints.size(), 3u);
  EXPECT_FALSE(prints[0]["LeftHeld"].toBool());
  EXPECT_TRUE(prints[0]["BatLeftHeld"].toBool());
  EXPECT_EQ(prints[0]["BallPace"].toInt(), 0);
  // N with no ball to hit: the shot is chosen, not played.
  EXPECT_EQ(prints[1]["ShotKey"].toInt(), 1);
  EXPECT_FALSE(prints[1]["ShotPlayed"].toBool());
  // Space calls for the computer's next ball.
  EXPECT_TRUE(prints[2]["RunUpStarted"].toBool());
}

TEST(Keys, HumanVersusHumanTakesEveryKey) {
  const auto result = RunReplay(
      "begin\ndown 37\ndown 90\ndown 97\nprint LeftHeld BatLeftHeld BallPace\n"
      "up 37\nup 90\nprint LeftHeld BatLeftHeld\n");
  const auto prints = result.Prints();
  EXPECT_TRUE(prints[0]["LeftHeld"].toBool());
  EXPECT_TRUE(prints[0]["BatLeftHeld"].toBool());
  EXPECT_EQ(prints[0]["BallPace"].toInt(), 2);
  EXPECT_FALSE(prints[1]["LeftHeld"].toBool());
  EXPECT_FALSE(prints[1]["BatLeftHeld"].toBool());
}

TEST(Keys, TabSlowsTheGameAndReleaseSetsThirtyMs) {
  const auto result = RunReplay(
      "begin\nup 9\nprint Timer1.Interval\ndown 9\nprint Timer1.Interval\nup 9\nprint "
      "Timer1.Interval\n");
  const auto prints = result.Prints();
  EXPECT_EQ(prints[0]["Timer1.Interval"].toInt(), 30);
  EXPECT_EQ(prints[1]["Timer1.Interval"].toInt(), 400);
  EXPECT_EQ(prints[2]["Timer1.Interval"].toInt(), 30);
}

TEST(Keys, KeysOutsideAMatchReachNothing) {
  const auto result = RunReplay("down 37\npress 27\ntick 3\nlost 0\nprint LeftHeld QuitGame\n");
  ASSERT_EQ(result.lines.size(), 1u);
  EXPECT_FALSE(result.Prints()[0]["LeftHeld"].toBool());
}
