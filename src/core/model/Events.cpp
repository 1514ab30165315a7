#include "core/model/Events.h"

std::string_view EventName(EventKind kind) {
  switch (kind) {
    case EventKind::RunUpStarted:
      return "run_up_started";
    case EventKind::BallReleased:
      return "ball_released";
    case EventKind::BallPitched:
      return "ball_pitched";
    case EventKind::ShotPlayed:
      return "shot_played";
    case EventKind::ShotMissedWindow:
      return "shot_missed_window";
    case EventKind::BatHit:
      return "bat_hit";
    case EventKind::Pads:
      return "pads";
    case EventKind::StumpsHit:
      return "stumps_hit";
    case EventKind::Wide:
      return "wide";
    case EventKind::BallScored:
      return "ball_scored";
    case EventKind::InningsEnded:
      return "innings_ended";
    case EventKind::MatchEnded:
      return "match_ended";
  }
  return "unknown";
}
