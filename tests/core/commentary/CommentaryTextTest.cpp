#include <gtest/gtest.h>

#include "core/commentary/CommentaryText.h"

namespace {

using commentary::CapName;

// Characters of well-formed UTF-8: every byte that does not continue one.
std::size_t CharCount(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char byte : text) n += (byte & 0xC0) != 0x80;
  return n;
}

TEST(CapName, CutsByCharactersNeverInsideOne) {
  struct Case {
    std::string name;
    std::size_t chars;
    std::string capped;
  };
  const Case cases[] = {
      {"Lions", 5, "Lions"},
      {"Lionesses", 5, "Lion\u2026"},
      {"Ägypten", 7, "Ägypten"},
      {"Ägyptens XI", 4, "Ägy\u2026"},
      {"Αθήνα Κρίκετ", 3, "Αθ\u2026"},
      {"東京ヤクルト", 6, "東京ヤクルト"},
      {"東京ヤクルト", 5, "東京ヤク\u2026"},
      {"🏏🏏🏏🏏", 2, "🏏\u2026"},  // four bytes a character
      {"", 5, "Team 1"},
  };
  for (const Case& c : cases) EXPECT_EQ(CapName(c.name, "Team 1", c.chars), c.capped) << c.name;
}

TEST(Fill, PutsEachArgumentInItsHole) {
  EXPECT_EQ(commentary::Fill("{} need {} from {}", {"Tigers", "12", "5 balls"}),
            "Tigers need 12 from 5 balls");
  EXPECT_EQ(commentary::Fill("{} and {}", {"one"}), "one and ");
  EXPECT_EQ(commentary::Fill("no holes", {"unused"}), "no holes");
  EXPECT_EQ(commentary::Fill("{}{}", {"{}", "x"}), "{}x") << "an argument is not filled again";
}

}  // namespace
