// The "Sound" box silencing a match through the replay driver, mid-match too.
// What sounds when is in the golden traces.
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
