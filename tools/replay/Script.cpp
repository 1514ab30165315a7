#include "Script.h"

std::vector<std::string> SplitWords(const std::string& text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (true) {
    const std::size_t blank = text.find(' ', start);
    words.push_back(text.substr(start, blank - start));
    if (blank == std::string::npos) return words;
    start = blank + 1;
  }
}

std::optional<Command> Script::Next() {
  std::string text;
  while (std::getline(in_, text)) {
    ++line_;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.empty() || text[0] == '#') continue;
    Command command;
    command.line = line_;
    auto words = SplitWords(text);
    command.verb = words[0];
    command.words.assign(words.begin() + 1, words.end());
    if ((command.verb == "text" || command.verb == "carry") && command.words.size() >= 1) {
      const std::size_t afterName = command.verb.size() + 1 + command.words[0].size();
      command.rest = afterName < text.size() ? text.substr(afterName + 1) : "";
    }
    return command;
  }
  return std::nullopt;
}
