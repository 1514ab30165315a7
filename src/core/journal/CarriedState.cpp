#include "core/journal/CarriedState.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <map>
#include <variant>

namespace {

using Member = std::variant<i16 MatchState::*, bool MatchState::*, float MatchState::*,
                            std::string MatchState::*>;

// Every plain variable of the match state, by the name the driver's `print` uses.
const std::map<std::string, Member>& Variables() {
  static const std::map<std::string, Member> variables = {
      {"BallPace", &MatchState::BallPace},
      {"BowlCursorX", &MatchState::BowlCursorX},
      {"BowlCursorY", &MatchState::BowlCursorY},
      {"CursorVX", &MatchState::CursorVX},
      {"CursorVY", &MatchState::CursorVY},
      {"CursorAccel", &MatchState::CursorAccel},
      {"CursorStep", &MatchState::CursorStep},
      {"LeftHeld", &MatchState::LeftHeld},
      {"RightHeld", &MatchState::RightHeld},
      {"UpHeld", &MatchState::UpHeld},
      {"DownHeld", &MatchState::DownHeld},
      {"RunUpStarted", &MatchState::RunUpStarted},
      {"RunUpCounter", &MatchState::RunUpCounter},
      {"BowlerY", &MatchState::BowlerY},
      {"BowlerX", &MatchState::BowlerX},
      {"CpuBowling", &MatchState::CpuBowling},
      {"BatsmanX", &MatchState::BatsmanX},
      {"BatsmanVX", &MatchState::BatsmanVX},
      {"BatLeftHeld", &MatchState::BatLeftHeld},
      {"BatRightHeld", &MatchState::BatRightHeld},
      {"BatsmanSpriteX", &MatchState::BatsmanSpriteX},
      {"ShotKey", &MatchState::ShotKey},
      {"ShotCode", &MatchState::ShotCode},
      {"ShotPlayed", &MatchState::ShotPlayed},
      {"ShotFrameBase", &MatchState::ShotFrameBase},
      {"BatTolerance", &MatchState::BatTolerance},
      {"TimingLine", &MatchState::TimingLine},
      {"ShotDanger", &MatchState::ShotDanger},
      {"ShotVX", &MatchState::ShotVX},
      {"ShotVY", &MatchState::ShotVY},
      {"BallX", &MatchState::BallX},
      {"BallY", &MatchState::BallY},
      {"BallSpriteX", &MatchState::BallSpriteX},
      {"BallSpriteY", &MatchState::BallSpriteY},
      {"BallVX", &MatchState::BallVX},
      {"BallVY", &MatchState::BallVY},
      {"BallClimb", &MatchState::BallClimb},
      {"LaunchClimb", &MatchState::LaunchClimb},
      {"BallAngle", &MatchState::BallAngle},
      {"PitchX", &MatchState::PitchX},
      {"PitchY", &MatchState::PitchY},
      {"DeliveryPace", &MatchState::DeliveryPace},
      {"PitchChosen", &MatchState::PitchChosen},
      {"BallBowled", &MatchState::BallBowled},
      {"BallBounced", &MatchState::BallBounced},
      {"BallCounter", &MatchState::BallCounter},
      {"StumpsFrame", &MatchState::StumpsFrame},
      {"BallCrossX", &MatchState::BallCrossX},
      {"StumpCheckDone", &MatchState::StumpCheckDone},
      {"WideCalled", &MatchState::WideCalled},
      {"BallPastBat", &MatchState::BallPastBat},
      {"Bowled", &MatchState::Bowled},
      {"WideBall", &MatchState::WideBall},
      {"BallStopped", &MatchState::BallStopped},
      {"OutcomeText", &MatchState::OutcomeText},
      {"FirstInnings", &MatchState::FirstInnings},
      {"Team1Runs", &MatchState::Team1Runs},
      {"Team2Runs", &MatchState::Team2Runs},
      {"Team1Wickets", &MatchState::Team1Wickets},
      {"Team2Wickets", &MatchState::Team2Wickets},
      {"BallsInOver", &MatchState::BallsInOver},
      {"OversBowled", &MatchState::OversBowled},
      {"InningsBreak", &MatchState::InningsBreak},
      {"QuitGame", &MatchState::QuitGame},
      {"CpuBatSpread", &MatchState::CpuBatSpread},
  };
  return variables;
}

std::string Text(i16 v) {
  return std::to_string(v);
}
std::string Text(bool v) {
  return v ? "1" : "0";
}
// The shortest text that reads back as exactly the same float.
std::string Text(float v) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
  return std::string(buffer, end);
}
std::string Text(const std::string& v) {
  return v;
}

template <typename T>
bool Same(const T& a, const T& b) {
  return a == b;
}
// Bit for bit: -0 is not 0 here.
bool Same(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

template <typename T>
bool Parse(const std::string& text, T& out) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  out = value;
  return true;
}
bool Parse(const std::string& text, bool& out) {
  if (text != "0" && text != "1") return false;
  out = text == "1";
  return true;
}
bool Parse(const std::string& text, std::string& out) {
  out = text;
  return true;
}

}  // namespace

namespace carried {

std::vector<std::string> Lines(const MatchState& state) {
  static const MatchState fresh{};
  std::vector<std::string> lines;
  for (const auto& [name, member] : Variables())
    std::visit(
        [&](auto m) {
          if (!Same(state.*m, fresh.*m)) lines.push_back("carry " + name + " " + Text(state.*m));
        },
        member);
  return lines;
}

bool Set(MatchState& state, const std::string& name, const std::string& value) {
  const auto found = Variables().find(name);
  if (found == Variables().end()) return false;
  return std::visit([&](auto m) { return Parse(value, state.*m); }, found->second);
}

}  // namespace carried
