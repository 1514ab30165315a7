#pragma once
// Reads a kept match (a script the journal wrote, from the history or a file)
// before anything of it is played: every line must be one the journal writes,
// naming a control, a variable of the match state or a key the game knows,
// with one `begin` before the first input and `end` as the last line, and the
// whole no longer than a match can be. The first line that is not is named,
// and nothing is played.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One command of the script: its verb, its words, and for `text` and `carry`
// the rest of the line after the name, kept exactly.
struct KeptLine {
  int line = 0;
  std::string verb;
  std::vector<std::string> words;
  std::string rest;
};

struct KeptScript {
  std::vector<KeptLine> lines;
  std::optional<std::string> problem;  // "line 12: no option button OptionX"
};

// The longest kept match read: far more than the longest match the game can play.
inline constexpr std::size_t kLongestKeptScript = 1 << 20;  // bytes

KeptScript ReadKeptScript(std::string_view text);
