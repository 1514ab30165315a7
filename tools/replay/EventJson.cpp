#include "EventJson.h"

#include "Json.h"

namespace {

std::string Field(const char* name, int value) {
  return std::string(",\"") + name + "\":" + json::Number(static_cast<long long>(value));
}

std::string Field(const char* name, bool value) {
  return std::string(",\"") + name + "\":" + json::Bool(value);
}

std::string Field(const char* name, const std::string& value) {
  return std::string(",\"") + name + "\":" + json::Quote(value);
}

// The fields each kind of event carries, after its name and tick.
std::string FieldsOf(const GameEvent& e) {
  switch (e.kind) {
    case EventKind::BallReleased:
      return Field("pace", e.pace) + Field("pitch_x", e.pitchX) + Field("pitch_y", e.pitchY);
    case EventKind::ShotPlayed:
      return Field("shot", e.shot) + Field("timing_line", e.timingLine) + Field("danger", e.danger);
    case EventKind::ShotMissedWindow:
      return Field("shot", e.shot) + Field("early", e.early);
    case EventKind::BallScored:
      return Field("outcome", std::string(TextOf(e.outcome))) + Field("runs", e.runs) +
             Field("wicket", e.wicket) + Field("wide", e.wide) + Field("team_runs", e.teamRuns) +
             Field("team_wickets", e.teamWickets);
    case EventKind::InningsEnded:
      return Field("innings", e.innings);
    case EventKind::MatchEnded:
      return Field("result", e.result);
    default:
      return "";
  }
}

}  // namespace

std::string EventJson(const GameEvent& e) {
  return "{\"event\":" + json::Quote(std::string(EventName(e.kind))) + Field("tick", e.tick) +
         FieldsOf(e) + "}";
}
