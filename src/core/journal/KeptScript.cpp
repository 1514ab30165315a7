#include "core/journal/KeptScript.h"

#include <charconv>
#include <map>

#include "core/journal/CarriedState.h"
#include "core/ports/ControlNames.h"

namespace {

struct Problem {
  std::string message;
};

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (true) {
    const std::size_t blank = text.find(' ', start);
    words.emplace_back(text.substr(start, blank - start));
    if (blank == std::string_view::npos) return words;
    start = blank + 1;
  }
}

long long Whole(const std::string& word, long long low, long long high) {
  long long value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || value < low || value > high)
    throw Problem{"\"" + word + "\" is not a whole number from " + std::to_string(low) + " to " +
                  std::to_string(high)};
  return value;
}

void Count(const KeptLine& l, std::size_t words) {
  if (l.words.size() != words)
    throw Problem{l.verb + " takes " + std::to_string(words) + " word(s)"};
}

// Key codes are the game's virtual keys, 1 to 254.
void CheckCommand(const KeptLine& l) {
  const std::string& v = l.verb;
  if (v == "select" || v == "unselect") {
    Count(l, 1);
    const bool check = CheckNames().count(l.words[0]) > 0;
    if (!check && (v == "unselect" || OptionNames().count(l.words[0]) == 0))
      throw Problem{"no " + std::string(v == "select" ? "option button or " : "") + "check box " +
                    l.words[0]};
  } else if (v == "text") {
    if (l.words.empty() || TextNames().count(l.words[0]) == 0)
      throw Problem{"no text box " + (l.words.empty() ? std::string() : l.words[0])};
  } else if (v == "carry") {
    MatchState probe;
    if (l.words.empty() || !carried::Set(probe, l.words[0], l.rest))
      throw Problem{"no variable of the match state, or not its value"};
  } else if (v == "seed") {
    Count(l, 1);
    unsigned long long state = 0;
    const std::string& w = l.words[0];
    const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), state);
    if (error != std::errc() || end != w.data() + w.size())
      throw Problem{"\"" + w + "\" is not a generator state"};
  } else if (v == "clock") {
    Count(l, 1), Whole(l.words[0], 0, 86399999);
  } else if (v == "tick") {
    Count(l, 1), Whole(l.words[0], 1, 1000000);
  } else if (v == "down" || v == "up") {
    Count(l, 1), Whole(l.words[0], 1, 254);
  } else if (v == "lost") {
    Count(l, 1), Whole(l.words[0], 0, 6);
  } else if (v == "begin" || v == "close" || v == "end") {
    Count(l, 0);
  } else {
    throw Problem{"unknown command \"" + v + "\""};
  }
}

KeptLine Parse(int number, std::string_view text) {
  KeptLine l;
  l.line = number;
  auto words = Words(text);
  l.verb = words[0];
  l.words.assign(words.begin() + 1, words.end());
  if ((l.verb == "text" || l.verb == "carry") && !l.words.empty()) {
    const std::size_t after = l.verb.size() + 1 + l.words[0].size();
    l.rest = after < text.size() ? std::string(text.substr(after + 1)) : "";
  }
  return l;
}

// Where a line may stand: the panel, the state and the clock before `begin`,
// inputs after it, nothing after `end`.
void CheckPlace(const KeptLine& l, bool begun) {
  const bool input = l.verb == "tick" || l.verb == "down" || l.verb == "up" || l.verb == "lost" ||
                     l.verb == "close" || l.verb == "end";
  if (l.verb == "begin" && begun) throw Problem{"a second begin"};
  if (input && !begun) throw Problem{l.verb + " before begin"};
  if ((l.verb == "carry" || l.verb == "seed" || l.verb == "clock") && begun)
    throw Problem{l.verb + " after begin"};
}

}  // namespace

KeptScript ReadKeptScript(std::string_view text) {
  KeptScript script;
  if (text.size() > kLongestKeptScript) {
    script.problem = "the script is longer than a match can be (" + std::to_string(text.size()) +
                     " bytes, at most " + std::to_string(kLongestKeptScript) + ")";
    return script;
  }
  bool begun = false, ended = false;
  int number = 0;
  for (std::size_t start = 0; start < text.size() && !script.problem; ++number) {
    std::size_t stop = text.find('\n', start);
    if (stop == std::string_view::npos) stop = text.size();
    std::string_view line = text.substr(start, stop - start);
    start = stop + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == '#') continue;
    try {
      if (ended) throw Problem{"a line after end"};
      KeptLine l = Parse(number + 1, line);
      CheckCommand(l);
      CheckPlace(l, begun);
      begun = begun || l.verb == "begin";
      ended = l.verb == "end";
      script.lines.push_back(std::move(l));
    } catch (const Problem& problem) {
      script.problem = "line " + std::to_string(number + 1) + ": " + problem.message;
    }
  }
  if (!script.problem && !ended)
    script.problem =
        "line " + std::to_string(number + 1) + ": the script stops before its end (cut short?)";
  if (script.problem) script.lines.clear();
  return script;
}
