#pragma once
// Where the commentary's three lines are shown: what to do now, the last ball
// in words, the state of the match.

#include <array>
#include <string>

using CommentaryLines = std::array<std::string, 3>;

class CommentaryOutput {
 public:
  virtual ~CommentaryOutput() = default;
  virtual void ShowCommentary(const CommentaryLines& lines) = 0;
};
