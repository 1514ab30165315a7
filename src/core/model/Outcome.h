#pragma once
// The result of a ball, as the outcome line shows it and the scorer counts it.

#include <string_view>

namespace outcome {
inline constexpr std::string_view kNone = "";  // left alone, missed, not wide, not bowled
inline constexpr std::string_view kWide = "Wide";
inline constexpr std::string_view kNoRun = "No Run";
inline constexpr std::string_view kOneRun = "1 Run";
inline constexpr std::string_view kTwoRuns = "2 Runs";
inline constexpr std::string_view kThreeRuns = "3 Runs";
inline constexpr std::string_view kFourRuns = "4 Runs";
inline constexpr std::string_view kCaught = "Caught Out";
inline constexpr std::string_view kBowled = "Your OUT!!!";
}  // namespace outcome

// Shot codes, shared by ShotKey and ShotCode.
namespace shot {
inline constexpr int kDefensive = 0;
inline constexpr int kDrive = 1;   // Front Foot Drive
inline constexpr int kGlance = 2;  // Leg Glance
inline constexpr int kHook = 3;
inline constexpr int kCut = 4;  // Square Cut
}  // namespace shot
