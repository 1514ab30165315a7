#pragma once
// The replay script: one command a line, words separated by one blank.

#include <istream>
#include <optional>
#include <string>
#include <vector>

struct Command {
  int line = 0;
  std::string verb;
  std::vector<std::string> words;  // after the verb
  std::string rest;                // `text`, `carry`: everything after "text NAME ", kept exactly
};

// A line the driver cannot run: it stops with exit status 2.
struct ScriptError {
  int line;
  std::string message;
};

class Script {
 public:
  explicit Script(std::istream& in) : in_(in) {}
  // The next command, skipping comments and blank lines; nothing at the end.
  std::optional<Command> Next();

 private:
  std::istream& in_;
  int line_ = 0;
};

std::vector<std::string> SplitWords(const std::string& text);
