#include "core/commentary/Commentary.h"

#include "core/commentary/CommentaryWords.h"
#include "core/commentary/SituationLines.h"

void Commentary::OnEvent(const GameEvent& event) {
  switch (event.kind) {
    case EventKind::BallReleased:  // a new ball: the last one is history
      ball_ = {};
      lastBall_.clear();
      matchOpening_ = inningsOpening_ = false;
      break;
    case EventKind::BallScored:
      lastBall_ = ball_.Line(event);
      break;
    case EventKind::InningsEnded:  // the next innings opens once the break is over
      inningsOpening_ = true;
      break;
    case EventKind::MatchEnded:
      matchOver_ = true;
      break;
    default:
      ball_.Hear(event);
      break;
  }
  Compose();
}

const CommentaryLines& Commentary::Update(const PlaySituation& situation) {
  situation_ = situation;
  Compose();
  return lines_;
}

Commentary::Commentary() {
  Compose();
}

void Commentary::Reset() {
  situation_ = {};
  ball_ = {};
  lastBall_.clear();
  matchOver_ = false;
  matchOpening_ = inningsOpening_ = fieldHasKeyboard_ = true;
  Compose();
}

const CommentaryLines& Commentary::SetFieldHasKeyboard(bool has) {
  fieldHasKeyboard_ = has;
  Compose();
  return lines_;
}

void Commentary::Compose() {
  const bool inPlay = !matchOver_;
  lines_[0] = inPlay && !fieldHasKeyboard_ ? std::string(words::kClickTheField)
                                           : commentary::WhatNowLine(situation_, matchOver_);
  const bool opening = inPlay && inningsOpening_ && !situation_.inningsBreak;
  const std::string side = opening ? commentary::SideLine(situation_) : std::string();
  lines_[1] = side.empty() ? lastBall_ : side;
  const bool noLimit = inPlay && matchOpening_ && !situation_.oversPerInnings;
  lines_[2] =
      noLimit ? std::string(words::kNoOverLimit) : commentary::MatchLine(situation_, matchOver_);
}
