// A match from Begin to the result dialog and back, and the ways out of it.
#include <gtest/gtest.h>

#include "ReplayHarness.h"

namespace {

// With no overs to play, every innings ends after its first ball.
constexpr const char* kOneBallInnings =
    "text Text3 0\n"
    "begin\n"
    "press 101\n"
    "tick 121\n";

bool LineEquals(const QJsonObject& line, const char* json) {
  return line == QJsonDocument::fromJson(json).object();
}

std::size_t IndexOf(const ReplayResult& result, const char* json) {
  for (std::size_t i = 0; i < result.lines.size(); ++i)
    if (LineEquals(result.lines[i], json)) return i;
  return result.lines.size();
}

}  // namespace

TEST(MatchFlow, FirstInningsEndsInTheBreakWithSecondInningsScoreLines) {
  const auto result = RunReplay(std::string(kOneBallInnings) +
                                "tick\nprint InningsBreak FirstInnings BallsInOver OversBowled\n");
  const auto ticks = result.Ticks();
  ASSERT_EQ(ticks.size(), 122u);
  // The ball's last tick already shows team 2 batting, team 1's total beneath.
  const auto last = CompactAll(ticks[120]);
  EXPECT_EQ(last[last.size() - 4].substr(0, 30), R"(["DrawText","0.0 Overs",540,24)");
  EXPECT_NE(last[last.size() - 3].find(R"(540,40])"), std::string::npos);
  // During the break: background, the message, the frame, nothing else.
  const std::vector<std::string> breakPicture = {
      R"(["DrawMap","TileSetAll"])",
      R"(["DrawText","Swap Over : End of Innings",240,240])",
      R"(["ShowFrame"])",
  };
  EXPECT_EQ(CompactAll(ticks[121]), breakPicture);
  const auto print = result.Prints().at(0);
  EXPECT_TRUE(print["InningsBreak"].toBool());
  EXPECT_FALSE(print["FirstInnings"].toBool());
  EXPECT_EQ(print["BallsInOver"].toInt(), 0);
  EXPECT_EQ(print["OversBowled"].toInt(), 0);
}

TEST(MatchFlow, SecondInningsEndsWithTheResultAndContinueBringsAFreshPanel) {
  const auto result = RunReplay(std::string(kOneBallInnings) +
                                "text Text1 Lions\n"
                                "press 32\npress 101\ntick 121\n"
                                "print Text1 Team1Runs Team2Runs\n"
                                "continue\nprint Text1 Text3 Option2 OptionBOWLh FirstInnings\n");
  const std::size_t hide = IndexOf(result, R"({"form": "frmSample", "do": "hide"})");
  const std::size_t close = IndexOf(result, R"({"display": ["CloseDisplay"]})");
  const std::size_t unload = IndexOf(result, R"({"form": "frmSample", "do": "unload"})");
  const std::size_t load = IndexOf(result, R"({"form": "frmSample", "do": "load"})");
  ASSERT_LT(hide, result.lines.size());
  EXPECT_LT(hide, close);
  EXPECT_LT(close, unload);
  EXPECT_LT(unload, load);
  // The result line sits just after the hide, before the tick that raised it.
  const QJsonObject shown = result.lines[hide + 1];
  EXPECT_EQ(shown["form"].toString(), "Form1");
  EXPECT_EQ(shown["do"].toString(), "show");
  EXPECT_TRUE(result.lines[hide + 2].contains("tick"));
  const auto prints = result.Prints();
  ASSERT_EQ(prints.size(), 2u);
  EXPECT_EQ(prints[0]["Text1"].toString(), "");  // the panel is gone once the match closed
  EXPECT_EQ(prints[1]["Text1"].toString(), "Team1");
  EXPECT_EQ(prints[1]["Text3"].toString(), "1");
  EXPECT_TRUE(prints[1]["Option2"].toBool());
  EXPECT_TRUE(prints[1]["OptionBOWLh"].toBool());
  EXPECT_TRUE(prints[1]["FirstInnings"].toBool());
}

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

TEST(MatchFlow, BadPanelValuesAreRefusedAndKept) {
  const struct {
    const char* script;
    const char* message;
  } cases[] = {
      {"text Text4 abc\nbegin\n", "Game Delay (ms) must be a whole number from 0 to 32767"},
      {"text Text4 32767.5\nbegin\n", "Game Delay (ms) must be a whole number from 0 to 32767"},
      {"text Text4 -1\nbegin\n", "Game Delay (ms) must be a whole number from 0 to 32767"},
      {"text Text3 two\nbegin\n", "Number Of Overs must be a number"},
      {"text Text3 two\ntext Text4 x\nbegin\n", "Number Of Overs must be a number"},
  };
  for (const auto& c : cases) {
    const auto result = RunReplay(std::string(c.script) + "print Text3 Text4 Display\n");
    ASSERT_EQ(result.lines.size(), 2u) << c.script;
    EXPECT_EQ(result.lines[0]["message"].toString().toStdString(), c.message) << c.script;
    EXPECT_TRUE(result.lines[1]["print"].toObject()["Display"].isNull());
  }
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
