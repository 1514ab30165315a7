#pragma once
// Where finished and abandoned matches are kept (the match history): each
// match once, when it closes, with its board, its balls and its script.

#include <string>
#include <vector>

// One ball as the records keep it.
struct KeptBall {
  int innings = 1;      // 1: team 1 batting, 2: team 2
  int over = 1;         // from 1
  int ball = 1;         // within its over, from 1, wides included
  std::string outcome;  // the outcome line's text ("4 Runs", "Wide"); empty for a ball left alone
  int runs = 0;
  bool wicket = false;
  bool wide = false;
};

struct KeptMatch {
  std::string team1, team2;
  std::string overs;     // the "Number Of Overs" box's text
  std::string gameType;  // "Human V CPU" or "Human V Human"
  int team1Runs = 0, team1Wickets = 0, team2Runs = 0, team2Wickets = 0;
  std::string result;  // the result dialog's line; empty when abandoned
  bool finished = false;
  std::string script;    // the match as a replay script
  std::string peer{};    // a network match: the other machine's address; empty when played here
  std::string ending{};  // the message the match stopped with ("Connection lost"), if any
  std::vector<KeptBall> balls;
};

class MatchHistory {
 public:
  virtual ~MatchHistory() = default;
  // A match has begun (the history stamps its start).
  virtual void MatchBegan() = 0;
  virtual void Keep(const KeptMatch& match) = 0;
};
