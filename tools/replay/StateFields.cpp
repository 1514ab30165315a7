#include "StateFields.h"

#include <functional>
#include <map>

#include "Json.h"
#include "core/match/MatchDisplay.h"
#include "core/model/MatchState.h"

namespace {

using Getter = std::function<std::string(const MatchState&, const MatchDisplay&)>;

std::string ToJson(i16 v) {
  return json::Number(static_cast<long long>(v));
}
std::string ToJson(float v) {
  return json::Number(v);
}
std::string ToJson(bool v) {
  return json::Bool(v);
}
std::string ToJson(const std::string& v) {
  return json::Quote(v);
}

template <std::size_t N>
std::string ToJson(const std::array<i16, N>& table) {
  std::string out = "[";
  for (std::size_t i = 0; i < N; ++i) out += (i ? ", " : "") + ToJson(table[i]);
  return out + "]";
}

template <typename T>
Getter Field(T MatchState::*member) {
  return [member](const MatchState& s, const MatchDisplay&) { return ToJson(s.*member); };
}

// Display objects print as their own name, or null when empty.
template <typename T>
Getter Object(const std::string& name, std::shared_ptr<T> MatchDisplay::*member) {
  return [name, member](const MatchState&, const MatchDisplay& d) {
    return (d.*member) ? json::Quote(name) : "null";
  };
}

const std::map<std::string, Getter>& Fields() {
  static const std::map<std::string, Getter> fields = {
      {"Display", Object("Display", &MatchDisplay::Display)},
      {"TileSetAll", Object("TileSetAll", &MatchDisplay::TileSetAll)},
      {"TileSetGameSp", Object("TileSetGameSp", &MatchDisplay::TileSetGameSp)},
      {"TileSetSmallSp", Object("TileSetSmallSp", &MatchDisplay::TileSetSmallSp)},
      {"TileSetCBall", Object("TileSetCBall", &MatchDisplay::TileSetCBall)},
      {"TileSetBowler", Object("TileSetBowler", &MatchDisplay::TileSetBowler)},
      {"TileSetStumps", Object("TileSetStumps", &MatchDisplay::TileSetStumps)},
      {"TileSetShots", Object("TileSetShots", &MatchDisplay::TileSetShots)},
      {"TileMap", Object("TileMap", &MatchDisplay::TileMap)},
      {"RunUpFrames", Field(&MatchState::RunUpFrames)},
      {"StanceFrames", Field(&MatchState::StanceFrames)},
      {"DriveFrames", Field(&MatchState::DriveFrames)},
      {"GlanceFrames", Field(&MatchState::GlanceFrames)},
      {"HookFrames", Field(&MatchState::HookFrames)},
      {"CutFrames", Field(&MatchState::CutFrames)},
      {"BallPace", Field(&MatchState::BallPace)},
      {"BowlCursorX", Field(&MatchState::BowlCursorX)},
      {"BowlCursorY", Field(&MatchState::BowlCursorY)},
      {"CursorVX", Field(&MatchState::CursorVX)},
      {"CursorVY", Field(&MatchState::CursorVY)},
      {"CursorAccel", Field(&MatchState::CursorAccel)},
      {"CursorStep", Field(&MatchState::CursorStep)},
      {"LeftHeld", Field(&MatchState::LeftHeld)},
      {"RightHeld", Field(&MatchState::RightHeld)},
      {"UpHeld", Field(&MatchState::UpHeld)},
      {"DownHeld", Field(&MatchState::DownHeld)},
      {"RunUpStarted", Field(&MatchState::RunUpStarted)},
      {"RunUpCounter", Field(&MatchState::RunUpCounter)},
      {"BowlerY", Field(&MatchState::BowlerY)},
      {"BowlerX", Field(&MatchState::BowlerX)},
      {"CpuBowling", Field(&MatchState::CpuBowling)},
      {"BatsmanX", Field(&MatchState::BatsmanX)},
      {"BatsmanVX", Field(&MatchState::BatsmanVX)},
      {"BatLeftHeld", Field(&MatchState::BatLeftHeld)},
      {"BatRightHeld", Field(&MatchState::BatRightHeld)},
      {"BatsmanSpriteX", Field(&MatchState::BatsmanSpriteX)},
      {"ShotKey", Field(&MatchState::ShotKey)},
      {"ShotCode", Field(&MatchState::ShotCode)},
      {"ShotPlayed", Field(&MatchState::ShotPlayed)},
      {"ShotFrameBase", Field(&MatchState::ShotFrameBase)},
      {"BatTolerance", Field(&MatchState::BatTolerance)},
      {"TimingLine", Field(&MatchState::TimingLine)},
      {"ShotDanger", Field(&MatchState::ShotDanger)},
      {"ShotVX", Field(&MatchState::ShotVX)},
      {"ShotVY", Field(&MatchState::ShotVY)},
      {"BallX", Field(&MatchState::BallX)},
      {"BallY", Field(&MatchState::BallY)},
      {"BallSpriteX", Field(&MatchState::BallSpriteX)},
      {"BallSpriteY", Field(&MatchState::BallSpriteY)},
      {"BallVX", Field(&MatchState::BallVX)},
      {"BallVY", Field(&MatchState::BallVY)},
      {"BallClimb", Field(&MatchState::BallClimb)},
      {"LaunchClimb", Field(&MatchState::LaunchClimb)},
      {"BallAngle", Field(&MatchState::BallAngle)},
      {"PitchX", Field(&MatchState::PitchX)},
      {"PitchY", Field(&MatchState::PitchY)},
      {"DeliveryPace", Field(&MatchState::DeliveryPace)},
      {"PitchChosen", Field(&MatchState::PitchChosen)},
      {"BallBowled", Field(&MatchState::BallBowled)},
      {"BallBounced", Field(&MatchState::BallBounced)},
      {"BallCounter", Field(&MatchState::BallCounter)},
      {"StumpsFrame", Field(&MatchState::StumpsFrame)},
      {"BallCrossX", Field(&MatchState::BallCrossX)},
      {"StumpCheckDone", Field(&MatchState::StumpCheckDone)},
      {"WideCalled", Field(&MatchState::WideCalled)},
      {"BallPastBat", Field(&MatchState::BallPastBat)},
      {"Bowled", Field(&MatchState::Bowled)},
      {"WideBall", Field(&MatchState::WideBall)},
      {"BallStopped", Field(&MatchState::BallStopped)},
      {"OutcomeText", Field(&MatchState::OutcomeText)},
      {"FirstInnings", Field(&MatchState::FirstInnings)},
      {"Team1Runs", Field(&MatchState::Team1Runs)},
      {"Team2Runs", Field(&MatchState::Team2Runs)},
      {"Team1Wickets", Field(&MatchState::Team1Wickets)},
      {"Team2Wickets", Field(&MatchState::Team2Wickets)},
      {"BallsInOver", Field(&MatchState::BallsInOver)},
      {"OversBowled", Field(&MatchState::OversBowled)},
      {"InningsBreak", Field(&MatchState::InningsBreak)},
      {"QuitGame", Field(&MatchState::QuitGame)},
      {"CpuBatSpread", Field(&MatchState::CpuBatSpread)},
  };
  return fields;
}

}  // namespace

std::optional<std::string> StateFieldJson(const MatchState& s, const MatchDisplay& d,
                                          const std::string& name) {
  const auto it = Fields().find(name);
  if (it == Fields().end()) return std::nullopt;
  return it->second(s, d);
}

bool IsStateField(const std::string& name) {
  return Fields().count(name) > 0;
}
