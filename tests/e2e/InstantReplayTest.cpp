// The instant replay through the replay driver: R after a ball shows that ball
// again, each frame twice, marked; every way of ending it; and a match with
// replays is the match without them. When R may start it is tested on its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReplayHarness.h"

namespace {

const std::string kMark = R"(["DrawText","REPLAY",574,458])";

// "Human V Human": a ball bowled at once and left alone, then two ticks of waiting.
const std::string kOneBall = "begin\npress 101\ntick 123\n";

std::vector<std::string> Frame(const QJsonArray& draws) {
  std::vector<std::string> calls = CompactAll(draws);
  std::erase(calls, kMark);
  return calls;
}

bool Marked(const QJsonArray& draws) {
  const auto calls = CompactAll(draws);
  return std::find(calls.begin(), calls.end(), kMark) != calls.end();
}

// The lines a match is made of, without the pictures and the sounds: events,
// printed values, forms, the commentary.
std::vector<std::string> MatchLines(const ReplayResult& result) {
  std::vector<std::string> lines;
  std::istringstream in(result.text);
  for (std::string line; std::getline(in, line);)
    if (line.find("\"draws\"") == std::string::npos && line.find("{\"sound\"") == std::string::npos)
      lines.push_back(line);
  return lines;
}

}  // namespace

TEST(InstantReplay, ShowsTheLastBallAgainEachFrameTwiceThenTheLiveField) {
  const auto result = RunReplay(kOneBall + "press 82\ntick 260\n");
  const auto ticks = result.Ticks();
  ASSERT_EQ(ticks.size(), 123u + 260u);
  // The ball: from its first run-up tick (1) to the tick it was scored in (121).
  for (std::size_t i = 0; i < 242; ++i) {
    const QJsonArray& replayed = ticks[123 + i];
    ASSERT_TRUE(Marked(replayed)) << "replay tick " << i;
    EXPECT_EQ(Frame(replayed), Frame(ticks[i / 2])) << "replay tick " << i;
  }
  EXPECT_FALSE(Marked(ticks[123 + 242]));
  EXPECT_EQ(CompactAll(ticks[123 + 242]), CompactAll(ticks[122]));  // waiting again
}

TEST(InstantReplay, EndsAtOnceOnRAKeyThatStartsTheNextBallOrEscape) {
  const struct {
    const char* key;
    bool runUp;  // the key then starts the next ball
  } cases[] = {{"82", false}, {"101", true}, {"97", false}, {"27", false}};
  for (const auto& c : cases) {
    const auto result = RunReplay(kOneBall + "press 82\ntick 5\npress " + c.key + "\ntick 3\n");
    const auto ticks = result.Ticks();
    SCOPED_TRACE(c.key);
    if (std::string(c.key) == "27") {  // Escape ends the program as always
      EXPECT_TRUE(result.Has("{\"exit\": 0}"));
      continue;
    }
    ASSERT_EQ(ticks.size(), 123u + 8u);
    EXPECT_TRUE(Marked(ticks[127]));
    EXPECT_FALSE(Marked(ticks[128]));
    EXPECT_EQ(result.Has("\"event\":\"run_up_started\",\"tick\":128"), c.runUp);
  }
}

TEST(InstantReplay, SpaceAgainstTheComputerEndsItAndCallsTheBall) {
  const auto result = RunReplay(
      "select Option1\nbegin\npress 32\ntick 123\npress 82\ntick 4\n"
      "press 32\ntick 2\n");
  const auto ticks = result.Ticks();
  EXPECT_TRUE(Marked(ticks[126]));
  EXPECT_FALSE(Marked(ticks[127]));
  EXPECT_TRUE(result.Has("\"event\":\"run_up_started\",\"tick\":127"));
}

TEST(InstantReplay, AMatchWithReplaysIsTheMatchWithout) {
  // Two balls of "Human V Human"; the second run of it replays after each ball,
  // ends one replay with R and lets the other play out under the next run-up key.
  const std::string plain =
      "text Text3 0\nbegin\npress 101\ntick 125\npress 32\npress 101\ntick 50\npress 78\ntick "
      "100\n";
  const std::string replayed =
      "text Text3 0\nbegin\npress 101\ntick 122\npress 82\ntick 1\npress 82\ntick 2\npress 32\n"
      "press 82\npress 101\ntick 50\npress 78\ntick 100\n";
  const std::string state = "print Team2Runs BallX BallY PitchX PitchY BowlCursorX TimingLine\n";
  const auto without = RunReplay(plain + state);
  const auto with = RunReplay(replayed + state);
  EXPECT_EQ(MatchLines(without), MatchLines(with));
  // Every live picture is the same; the replay only stood in front of some.
  const auto live = without.Ticks(), shown = with.Ticks();
  ASSERT_EQ(live.size(), shown.size());
  int replayTicks = 0;
  for (std::size_t i = 0; i < live.size(); ++i) {
    if (Marked(shown[i])) {
      ++replayTicks;
      continue;
    }
    EXPECT_EQ(CompactAll(shown[i]), CompactAll(live[i])) << "tick " << i + 1;
  }
  EXPECT_EQ(replayTicks, 1);  // the first replay, ended by R after one tick; the second by 5
}
