#include "core/commentary/CommentaryText.h"
#include "core/commentary/CommentaryWords.h"
#include "core/commentary/SituationLines.h"

namespace commentary {
namespace {

bool HumanBats(const PlaySituation& now) {
  return now.sides.batting == Player::Human;
}
// Then Space calls the ball instead of blocking it.
bool ComputerBowls(const PlaySituation& now) {
  return now.sides.bowling == Player::Computer;
}

std::string BallInFlight(const PlaySituation& now) {
  if (!HumanBats(now)) return std::string(words::kComputerBats);
  return std::string(ComputerBowls(now) ? words::kBatVsComputer : words::kBatVsHuman);
}

std::string RunUp(const PlaySituation& now) {
  if (ComputerBowls(now)) return std::string(words::kFaceRunUp);
  return std::string(now.cursorSweeps ? words::kSweepRunUp : words::kAimRunUp);
}

// Batting against the computer, the batsman calls for each ball with Space.
std::string BeforeTheBall(const PlaySituation& now) {
  if (ComputerBowls(now)) return Fill(words::kCallTheBall, {CapName(now.team1, words::kTeam1)});
  return std::string(words::kChoosePace);
}

}  // namespace

std::string WhatNowLine(const PlaySituation& now, bool matchOver) {
  if (matchOver) return std::string(words::kMatchOver);
  if (now.paused) return std::string(words::kPaused);
  if (now.inningsBreak)
    return Fill(words::kInningsBreak, {Possessive(CapName(now.team2, words::kTeam2))});
  if (now.ballInFlight) return BallInFlight(now);
  if (now.runUpStarted) return RunUp(now);
  return BeforeTheBall(now);
}

std::string SideLine(const PlaySituation& now) {
  const bool againstComputer =
      now.sides.batting == Player::Computer || now.sides.bowling == Player::Computer;
  if (!againstComputer) return {};
  if (now.firstInnings) return Fill(words::kYouBat, {CapName(now.team1, words::kTeam1)});
  return std::string(words::kYouBowl);
}

}  // namespace commentary
