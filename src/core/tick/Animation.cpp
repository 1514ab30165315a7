#include "core/tick/Animation.h"

#include <algorithm>
#include <array>

#include "core/model/FieldGeometry.h"

namespace {

namespace bowler {
constexpr i16 kRunUpStep = field::BowlerRunUpStep;
constexpr i16 kFollowThroughStep = field::BowlerStepBack;
constexpr i16 kFollowThroughTicks = field::FollowThroughTicks;  // flight ticks 1..6 step back
constexpr i16 kFollowThroughBase = 32;  // flight tick c shows tile c + 32 (33..38)
constexpr i16 kFollowThroughLast = 38;  // held until the ball ends
}  // namespace bowler

namespace batsman {
constexpr double kStanceTicksPerTile = 3.0;  // the stance table runs at a third of the run-up
constexpr i16 kPickUpLast = 10;              // an unplayed ball: RunUpFrames 0..10, then held
}  // namespace batsman

// Each shot's animation: the last entry it plays (then holds) and its table.
struct ShotAnimation {
  i16 lastEntry;
  ShotTable MatchState::*frames;
};

//                                                     ShotCode
constexpr std::array<ShotAnimation, 5> kShotAnimations = {{
    {5, &MatchState::DriveFrames},    // 0 Defensive: the drive's first half only
    {20, &MatchState::DriveFrames},   // 1 Front Foot Drive
    {20, &MatchState::GlanceFrames},  // 2 Leg Glance
    {20, &MatchState::HookFrames},    // 3 Hook
    {20, &MatchState::CutFrames},     // 4 Square Cut
}};

// A code outside 0..4 picks no animation and shows tile 0, the resting batsman.
i16 ShotTile(const MatchState& s, i16 sinceShot) {
  if (s.ShotCode < 0 || s.ShotCode >= static_cast<i16>(kShotAnimations.size())) return 0;
  const ShotAnimation& anim = kShotAnimations[static_cast<std::size_t>(s.ShotCode)];
  return FrameAt(s.*anim.frames, std::min(sinceShot, anim.lastEntry));
}

}  // namespace

i16 BowlerFrame(MatchState& s, i16 counter) {
  using namespace bowler;
  if (!s.BallBowled) {
    const i16 tile = FrameAt(s.RunUpFrames, counter);
    s.BowlerX = int16::Add(s.BowlerX, kRunUpStep);
    return tile;
  }
  if (counter <= kFollowThroughTicks) {
    s.BowlerX = int16::Sub(s.BowlerX, kFollowThroughStep);
    return int16::Add(counter, kFollowThroughBase);
  }
  return kFollowThroughLast;
}

i16 BatsmanFrame(const MatchState& s, i16 counter) {
  // Ticks since the shot once one is played; ShotFrameBase is 0 otherwise.
  const i16 i = int16::Sub(counter, s.ShotFrameBase);
  if (s.ShotPlayed) return ShotTile(s, i);
  if (!s.BallBowled) return FrameAt(s.StanceFrames, int16::Round(i / batsman::kStanceTicksPerTile));
  return FrameAt(s.RunUpFrames, std::min(i, batsman::kPickUpLast));
}
