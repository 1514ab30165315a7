// The sound of a match through the replay driver: what starts, when, and the
// "Sound" box silencing it mid-match.
#include <gtest/gtest.h>

#include "ReplayHarness.h"

namespace {

std::vector<std::string> Sounds(const ReplayResult& result) {
  std::vector<std::string> sounds;
  for (const auto& line : result.lines)
    if (line.contains("sound")) sounds.push_back(line["sound"].toString().toStdString());
  return sounds;
}

// A "Human V Human" ball bowled at once, left alone.
constexpr const char* kOneBall = "begin\npress 101\ntick 61\n";

}  // namespace

TEST(Sound, TheRunUpStepsInTimeWithTheBowlerThenTheBallIsReleased) {
  const auto result = RunReplay(kOneBall);
  std::vector<int> steps;
  int release = -1;
  for (const auto& line : result.lines) {
    if (line["sound"] == "footstep") steps.push_back(line["tick"].toInt());
    if (line["sound"] == "release") release = line["tick"].toInt();
  }
  EXPECT_EQ(steps, (std::vector<int>{1, 10, 18, 26, 34, 42, 54, 57}));
  EXPECT_EQ(release, 61);
}

TEST(Sound, UntickingTheBoxSilencesTheRestAndTickingItBringsItBack) {
  const auto silent = RunReplay(std::string(kOneBall).replace(0, 5, "unselect chkSound\nbegin"));
  EXPECT_TRUE(Sounds(silent).empty());

  const auto midway = RunReplay(
      "begin\npress 101\ntick 20\nunselect chkSound\ntick 41\n"
      "select chkSound\ntick 60\nprint chkSound\n");
  const auto sounds = Sounds(midway);
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "footstep"), 3);  // ticks 1, 10, 18
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "release"), 0);
  EXPECT_TRUE(midway.Has("{\"print\": {\"chkSound\": true}}"));
}

TEST(Sound, TheBoxKeepsItsValueAfterContinue) {
  const auto result = RunReplay(
      "unselect chkSound\nselect Option1\ntext Text3 0\nbegin\npress 32\ntick 121\npress 32\n"
      "press 101\ntick 121\ncontinue\nprint chkSound Option1\n");
  EXPECT_TRUE(result.Has("\"chkSound\": false, \"Option1\": false"));
}
