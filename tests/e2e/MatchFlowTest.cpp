// The ways out of a match and the driver's own rules, through the replay
// driver. Whole matches, from Begin to the result and Continue, are the golden
// traces (tests/golden).
#include <gtest/gtest.h>

#include "ReplayHarness.h"

namespace {

bool LineEquals(const QJsonObject& line, const char* json) {
  return line == QJsonDocument::fromJson(json).object();
}

}  // namespace

TEST(MatchFlow, EscapeInTheRunUpEndsTheProgram) {
  const auto result = RunReplay("begin\npress 101\ntick 10\npress 27\ntick 5\nprint QuitGame\n");
  EXPECT_EQ(result.status, 0);
  ASSERT_GE(result.lines.size(), 3u);
  const auto n = result.lines.size();
  EXPECT_TRUE(LineEquals(result.lines[n - 3], R"({"display": ["CloseDisplay"]})"));
  EXPECT_TRUE(LineEquals(result.lines[n - 2], R"({"form": "frmSample", "do": "unload"})"));
  EXPECT_TRUE(LineEquals(result.lines[n - 1], R"({"exit": 0})"));
  EXPECT_EQ(result.Ticks().size(), 10u);
}

TEST(MatchFlow, ZeroDelayNeverTicks) {
  const auto result =
      RunReplay("text Text4 -0.4\nbegin\ntick 50\nprint Timer1.Interval Timer1.Enabled\n");
  EXPECT_TRUE(result.Ticks().empty());
  EXPECT_EQ(result.Prints().at(0)["Timer1.Interval"].toInt(), 0);
  EXPECT_TRUE(result.Prints().at(0)["Timer1.Enabled"].toBool());
}

TEST(MatchFlow, MalformedLinesStopWithStatusTwo) {
  for (const char* script : {"jump\n", "select Option9\n", "print Nothing\n", "text Text9 x\n",
                             "begin\ntick many\n", "press\n"}) {
    EXPECT_EQ(RunReplay(script).status, 2) << script;
  }
}

TEST(MatchFlow, KeysOutsideAMatchReachNothing) {
  const auto result = RunReplay("down 37\npress 27\ntick 3\nlost 0\nprint LeftHeld QuitGame\n");
  ASSERT_EQ(result.lines.size(), 1u);
  EXPECT_FALSE(result.Prints()[0]["LeftHeld"].toBool());
}
