#include "core/commentary/Commentary.h"

#include "core/commentary/SituationLines.h"

void Commentary::OnEvent(const GameEvent& event) {
  switch (event.kind) {
    case EventKind::BallReleased:  // a new ball: the last one is history
      ball_ = {};
      lastBall_.clear();
      break;
    case EventKind::BallScored:
      lastBall_ = ball_.Line(event);
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
  Compose();
}

void Commentary::Compose() {
  lines_[0] = commentary::WhatNowLine(situation_, matchOver_);
  lines_[1] = lastBall_;
  lines_[2] = commentary::MatchLine(situation_, matchOver_);
}
