// The match journal keeps each match as a replay script: played again through
// the driver, it gives back the same match, tick for tick.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "ReplayHarness.h"
#include "core/journal/KeptScript.h"

namespace {

// What a match is: its events, every tick's drawing (the board included), its
// sounds, its scorecards and the result dialog. Only the last match's, from
// the last display opened; a tick's drawing without the driver's count of
// ticks, which runs on across matches.
std::vector<std::string> MatchLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("{\"display\": [\"OpenDisplay\"")) lines.clear();
    for (const char* kind : {"{\"event\"", "{\"tick\"", "{\"sound\"", "{\"scorecard\"",
                             "{\"form\": \"Form1\", \"do\": \"show\""})
      if (line.starts_with(kind))
        lines.push_back(kind[2] == 't' ? line.substr(line.find("\"draws\"")) : line);
  }
  return lines;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

struct RoundTrip {
  const char* name;
  std::string script;
};

std::string Golden(const char* name) {
  return ReadFile(std::string(GALLOWBY_GOLDEN_DIR) + "/" + name + ".replay");
}

// Every input the journal keeps: keys, Tab's slow motion, the panel changed
// between two ticks and by a key, a lost surface, the window closed, with
// "Normal" bowling reseeding the generator from the time of day each tick; in
// a second match, whose generator carries over from the first.
const std::string kEverything = Golden("human_v_cpu") + R"(continue
select Option2
select OptionBOWLn
text Text3 1
begin
down 9
tick 40
up 9
text Text1 Owls
tick 2
press 97
press 101
down 37
tick 20
select OptionBATh
up 37
lost 0
tick 30
press 101
tick 100
close
tick 5
)";

}  // namespace

TEST(MatchJournal, PlaysTheSameMatchAgain) {
  const RoundTrip cases[] = {
      {"a one-over match to its result", Golden("hvh_one_over")},
      {"abandoned by Escape",
       "begin\ntick 3\npress 97\npress 101\ntick 20\ndown 37\ntick 2\npress 27\n"},
      {"the panel changed in mid-match",
       "text Text4 2.5\nbegin\ntext Text3 zero\ntext Text1\npress 101\ntick 121\npress 27\n"},
      {"every kind of input, in a second match", kEverything},
  };
  QTemporaryDir folder;
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string journal = folder.filePath("match.replay").toStdString();
    const ReplayResult played = RunReplay("journal " + journal + "\n" + c.script);
    const std::string script = ReadFile(journal);
    EXPECT_EQ(ReadKeptScript(script).problem, std::nullopt);  // as watching reads it
    const ReplayResult again = RunReplay(script);
    EXPECT_EQ(again.status, 0);
    const auto lines = MatchLines(played.text);
    EXPECT_GT(lines.size(), 10u);
    EXPECT_EQ(MatchLines(again.text), lines) << script;
    std::remove(journal.c_str());
  }
}
