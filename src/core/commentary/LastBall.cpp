#include "core/commentary/LastBall.h"

#include "core/commentary/CommentaryText.h"
#include "core/commentary/CommentaryWords.h"
#include "core/commentary/ShotJudgement.h"

namespace commentary {

void BallRecord::Hear(const GameEvent& event) {
  switch (event.kind) {
    case EventKind::ShotPlayed:
      shot_ = Shot{event.shot, event.timingLine, event.danger, event.outcome};
      break;
    case EventKind::BatHit:
      batHit_ = true;
      break;
    case EventKind::ShotMissedWindow:
      missedEarly_ = event.early;
      break;
    case EventKind::Pads:
      pads_ = true;
      break;
    case EventKind::StumpsHit:
      stumps_ = true;
      break;
    default:
      break;
  }
}

// The umpire's call first (a wide stands whatever else happened), then a
// wicket, then the runs; a ball worth nothing says why it was worth nothing.
std::string BallRecord::Result(const GameEvent& scored) const {
  if (scored.wide) return std::string(words::kWide);
  if (scored.wicket) return std::string(stumps_ ? words::kBowled : words::kCaught);
  if (scored.runs >= 4) return std::string(words::kFour);
  if (scored.runs == 1) return std::string(words::kOneRun);
  if (scored.runs > 1) return Fill(words::kRuns, {std::to_string(scored.runs)});
  if (pads_) return std::string(words::kPads);
  if (shot_ && !batHit_) return std::string(words::kPlayedAndMissed);
  return std::string(words::kDotBall);
}

// A played shot explains itself by its judgement; a shot key outside the
// window says whether it was early or late; a ball nobody played was left alone.
std::string BallRecord::Why(const GameEvent& scored) const {
  if (scored.wide) return std::string(words::kWideRun);
  if (shot_) return ShotJudgement(shot_->code, shot_->timingLine, shot_->danger, shot_->earned);
  if (missedEarly_) return std::string(*missedEarly_ ? words::kTooEarly : words::kTooLate);
  if (pads_ || scored.runs > 0) return {};
  return std::string(words::kLeftAlone);
}

std::string BallRecord::Line(const GameEvent& scored) const {
  const std::string result = Result(scored);
  const std::string why = Why(scored);
  return why.empty() ? result : Fill(words::kBallAndWhy, {result, why});
}

}  // namespace commentary
