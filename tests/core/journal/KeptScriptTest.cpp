#include <gtest/gtest.h>

#include <random>

#include "core/journal/KeptScript.h"

namespace {

const std::string kKept =
    "select Option1\nselect chkSound\ntext Text1 Owls \ncarry BallPace 2\ncarry ShotVX -1.5\n"
    "seed 123\nclock 5000\nbegin\ndown 32\nup 32\ntick 40\nlost 0\nselect CPUh\ntick 3\nclose\n"
    "end\n";

}  // namespace

TEST(KeptScript, ReadsAKeptMatch) {
  const KeptScript script = ReadKeptScript(kKept);
  ASSERT_FALSE(script.problem) << *script.problem;
  ASSERT_EQ(script.lines.size(), 16u);
  EXPECT_EQ(script.lines[2].rest, "Owls ");
}

// Each damaged script is refused whole, naming its first bad line.
TEST(KeptScript, DamagedScriptsNameTheirLine) {
  const struct {
    std::string script;
    std::string problem;
  } cases[] = {
      {"begin\ntick 4\nfly away\nend\n", "line 3: unknown command \"fly\""},
      {"select OptionX\nbegin\nend\n", "line 1: no option button or check box OptionX"},
      {"unselect Option1\nbegin\nend\n", "line 1: no check box Option1"},
      {"text Text9 Owls\nbegin\nend\n", "line 1: no text box Text9"},
      {"carry Nothing 1\nbegin\nend\n", "line 1: no variable of the match state, or not its value"},
      {"carry BallPace fast\nbegin\nend\n",
       "line 1: no variable of the match state, or not its value"},
      {"begin\ndown 999\nend\n", "line 2: \"999\" is not a whole number from 1 to 254"},
      {"begin\ntick -3\nend\n", "line 2: \"-3\" is not a whole number from 1 to 1000000"},
      {"seed x1\nbegin\nend\n", "line 1: \"x1\" is not a generator state"},
      {"tick 3\nbegin\nend\n", "line 1: tick before begin"},
      {"begin\nseed 4\nend\n", "line 2: seed after begin"},
      {"begin\nbegin\nend\n", "line 2: a second begin"},
      {"begin\nend\ntick 1\n", "line 3: a line after end"},
      {"begin\ntick 4\ntic", "line 3: unknown command \"tic\""},
      {"begin\ntick 4\n", "line 3: the script stops before its end (cut short?)"},
      {"begin\nclose now\nend\n", "line 2: close takes 0 word(s)"},
  };
  for (const auto& c : cases) {
    const KeptScript script = ReadKeptScript(c.script);
    EXPECT_EQ(script.problem.value_or("none"), c.problem) << c.script;
    EXPECT_TRUE(script.lines.empty());
  }
  EXPECT_NE(ReadKeptScript(std::string(kLongestKeptScript + 1, '#')).problem, std::nullopt);
}

// Random and mutated scripts: the reader never fails in any other way, and
// whatever it accepts is a whole match, begun once and ended.
TEST(KeptScript, FuzzedScriptsAreReadOrRefused) {
  std::mt19937 random(24);
  auto pick = [&random](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  const std::string alphabet = "abcdeginklorstuxyz0123456789 -\n\r#\t\xff";
  for (int round = 0; round < 3000; ++round) {
    std::string text = kKept;
    const int mutations = 1 + static_cast<int>(pick(4));
    for (int m = 0; m < mutations && !text.empty(); ++m) {
      const std::size_t at = pick(text.size());
      switch (pick(4)) {
        case 0:
          text.erase(at, 1 + pick(8));
          break;
        case 1:
          text.insert(at, 1, alphabet[pick(alphabet.size())]);
          break;
        case 2:
          text[at] = alphabet[pick(alphabet.size())];
          break;
        default:
          text.resize(at);
          break;
      }
    }
    if (round % 10 == 0)
      for (char& ch : text) ch = alphabet[pick(alphabet.size())];
    const KeptScript script = ReadKeptScript(text);
    if (script.problem) {
      EXPECT_TRUE(script.lines.empty());
      EXPECT_EQ(script.problem->rfind("line ", 0), 0u) << *script.problem;
      continue;
    }
    int begins = 0;
    for (const KeptLine& line : script.lines) begins += line.verb == "begin";
    EXPECT_EQ(begins, 1) << text;
    EXPECT_EQ(script.lines.back().verb, "end") << text;
  }
}
