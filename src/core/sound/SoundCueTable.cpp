#include "core/sound/SoundCueTable.h"

#include <array>

#include "core/model/FieldGeometry.h"
#include "core/model/Outcome.h"

namespace {

//                                   kind                      rule                    effect
constexpr std::array<EventCue, 12> kEventCues = {{
    {EventKind::RunUpStarted, CueRule::StartRunUp, SoundEffect::Footstep},
    {EventKind::BallReleased, CueRule::Release, SoundEffect::Release},
    {EventKind::BallPitched, CueRule::Play, SoundEffect::Pitch},
    {EventKind::ShotPlayed, CueRule::RememberShot, SoundEffect::BatKnock},
    {EventKind::ShotMissedWindow, CueRule::None, SoundEffect::BatKnock},
    {EventKind::BatHit, CueRule::Bat, SoundEffect::BatKnock},
    {EventKind::Pads, CueRule::Touch, SoundEffect::Pads},
    {EventKind::StumpsHit, CueRule::Touch, SoundEffect::Stumps},
    {EventKind::Wide, CueRule::None, SoundEffect::Applause},
    {EventKind::BallScored, CueRule::Crowd, SoundEffect::Applause},
    {EventKind::InningsEnded, CueRule::End, SoundEffect::EndApplause},
    {EventKind::MatchEnded, CueRule::End, SoundEffect::EndApplause},
}};

constexpr EventCue kSilent = {EventKind::RunUpStarted, CueRule::None, SoundEffect::Footstep};

// Where the stumps stand on the batting crease (the wicket's ground x, bounds
// included), and how near them a ball must pass to draw an "ooh".
namespace stumps {
constexpr int kLeftX = field::WicketLeft + 1;
constexpr int kRightX = field::WicketRight - 1;
constexpr int kNearMissPx = 15;
}  // namespace stumps

constexpr int kFourRuns = 4;

bool NearTheStumps(int crossX) {
  return crossX >= stumps::kLeftX - stumps::kNearMissPx &&
         crossX <= stumps::kRightX + stumps::kNearMissPx;
}

}  // namespace

const EventCue& CueFor(EventKind kind) {
  for (const EventCue& cue : kEventCues)
    if (cue.kind == kind) return cue;
  return kSilent;
}

SoundEffect BatSound(const ShotSound& played) {
  const bool attacking = played.shot != shot::kDefensive;
  const OutcomeRow& worth = RowOf(played.earned);
  const bool scores = worth.counted && worth.runs > 0;  // runs off the bat, not a wide's
  return attacking && scores ? SoundEffect::BatCrack : SoundEffect::BatKnock;
}

// In order of precedence: a wide draws nothing, a wicket a cheer, a four a
// roar, other runs applause, and an untouched dot ball that passed close to
// the stumps an "ooh".
std::optional<SoundEffect> CrowdSound(const GameEvent& scored, bool touched) {
  if (scored.wide) return std::nullopt;
  if (scored.wicket) return SoundEffect::Cheer;
  if (scored.runs >= kFourRuns) return SoundEffect::CrowdRoar;
  if (scored.runs > 0) return SoundEffect::Applause;
  if (!touched && NearTheStumps(scored.crossX)) return SoundEffect::Ooh;
  return std::nullopt;
}
