#include <gtest/gtest.h>

#include <string>

#include "GameEvents.h"
#include "core/sound/SoundCues.h"

namespace {

struct Played {
  SoundEffect effect;
  int tick;
  bool operator==(const Played&) const = default;
};

class RecordingOutput : public SoundOutput {
 public:
  void Play(SoundEffect effect) override { played.push_back({effect, now}); }
  void StopAll() override { ++stops; }
  int now = 0;
  std::vector<Played> played;
  int stops = 0;
};

using namespace game_events;

// A ball scored under its outcome text, crossing the batting crease at crossX.
GameEvent Crossed(const std::string& outcome, int crossX) {
  return Scored(outcome, true, crossX);
}

std::vector<SoundEffect> Hear(const std::vector<GameEvent>& events) {
  RecordingOutput out;
  SoundCues cues(out, {1, 10});
  for (const GameEvent& e : events) cues.OnEvent(e);
  std::vector<SoundEffect> effects;
  for (const Played& p : out.played) effects.push_back(p.effect);
  return effects;
}

const GameEvent kRunUp = Event(EventKind::RunUpStarted);
const GameEvent kReleased = Event(EventKind::BallReleased);
const GameEvent kPitched = Event(EventKind::BallPitched);
const GameEvent kBatHit = Event(EventKind::BatHit);
const GameEvent kPads = Event(EventKind::Pads);
const GameEvent kStumps = Event(EventKind::StumpsHit);
const GameEvent kWide = Event(EventKind::Wide);
const GameEvent kInningsEnded = Event(EventKind::InningsEnded);
const GameEvent kMatchEnded = Event(EventKind::MatchEnded);
constexpr int kMiddleStump = 324, kWideOfOff = 250;

using E = SoundEffect;

struct BallCase {
  const char* name;
  std::vector<GameEvent> events;
  std::vector<SoundEffect> effects;
};

class SoundCuesBallTest : public ::testing::TestWithParam<BallCase> {};

TEST_P(SoundCuesBallTest, EachBallSoundsItsStory) {
  EXPECT_EQ(Hear(GetParam().events), GetParam().effects);
}

// Shot codes: 0 Defensive, 1 Drive, 2 Glance, 3 Hook, 4 Cut; then timing + line, danger,
// and the outcome the shot earned. The bat's sounds for runs and the applause
// at each innings' end are heard in the golden traces.
INSTANTIATE_TEST_SUITE_P(
    Balls, SoundCuesBallTest,
    ::testing::Values(BallCase{"FourRoars",
                               {kRunUp, kReleased, Crossed("4 Runs", kWideOfOff)},
                               {E::Release, E::CrowdRoar}},
                      BallCase{"BlockOnTheStumpsIsNoNearMiss",
                               {kRunUp, kReleased, kPitched, Shot(0, 9, 1, "No Run"), kBatHit,
                                Crossed("", kMiddleStump)},
                               {E::Release, E::Pitch, E::BatKnock}},
                      BallCase{"CaughtOffAnEdge",
                               {kRunUp, kReleased, kPitched, Shot(3, 5, 5, "Caught Out"), kBatHit,
                                Crossed("Caught Out", 300)},
                               {E::Release, E::Pitch, E::BatKnock, E::Cheer}},
                      BallCase{"Bowled",
                               {kRunUp, kReleased, kPitched, Shot(1, 0, 6, ""), kStumps,
                                Crossed("Your OUT!!!", 320)},
                               {E::Release, E::Pitch, E::Stumps, E::Cheer}},
                      BallCase{"PadsInFrontOfTheStumps",
                               {kRunUp, kReleased, kPitched, kPads, Crossed("", 330)},
                               {E::Release, E::Pitch, E::Pads}},
                      BallCase{"WideDrawsNothingFromTheCrowd",
                               {kRunUp, kReleased, kPitched, kWide, Crossed("Wide", 450)},
                               {E::Release, E::Pitch}},
                      BallCase{"CloseMissPlayedAndMissed",
                               {kRunUp, kReleased, kPitched, Shot(1, 0, 5, ""), Crossed("", 300)},
                               {E::Release, E::Pitch, E::Ooh}},
                      BallCase{"LeftAloneWideOfOff",
                               {kRunUp, kReleased, kPitched, Crossed("", kWideOfOff)},
                               {E::Release, E::Pitch}},
                      // A bat touch on the ball before does not spoil the next ball's near miss.
                      BallCase{"NearMissAfterABlock",
                               {kRunUp, kReleased, Shot(0, 9, 1, "No Run"), kBatHit,
                                Crossed("", 320), kRunUp, kReleased, Crossed("", 320)},
                               {E::Release, E::BatKnock, E::Release, E::Ooh}},
                      BallCase{"LastBallEndsInningsAndMatchWithOneApplause",
                               {kRunUp, kReleased, kStumps, Crossed("Your OUT!!!", 320),
                                kInningsEnded, kMatchEnded},
                               {E::Release, E::Stumps, E::Cheer, E::EndApplause}}),
    [](const auto& info) { return std::string(info.param.name); });

struct NearMissCase {
  int crossX;
  bool ooh;
};

class SoundCuesNearMissTest : public ::testing::TestWithParam<NearMissCase> {};

// The stumps span x 311 to 337; a ball within 15 px of them draws an "ooh".
TEST_P(SoundCuesNearMissTest, OohOnlyWithinFifteenPixelsOfTheStumps) {
  const std::vector<SoundEffect> heard = Hear({kReleased, Crossed("", GetParam().crossX)});
  const std::vector<SoundEffect> expected =
      GetParam().ooh ? std::vector{E::Release, E::Ooh} : std::vector{E::Release};
  EXPECT_EQ(heard, expected) << "crossX " << GetParam().crossX;
}

INSTANTIATE_TEST_SUITE_P(Edges, SoundCuesNearMissTest,
                         ::testing::Values(NearMissCase{295, false}, NearMissCase{296, true},
                                           NearMissCase{311, true}, NearMissCase{337, true},
                                           NearMissCase{352, true}, NearMissCase{353, false}));

// Plays ticks first..last, each tick's events after its OnTick, as the game does.
void PlayTicks(SoundCues& cues, RecordingOutput& out, int first, int last,
               const std::vector<GameEvent>& events) {
  for (int tick = first; tick <= last; ++tick) {
    out.now = tick;
    cues.OnTick(tick);
    for (const GameEvent& e : events)
      if (e.tick == tick) cues.OnEvent(e);
  }
}

std::vector<Played> Steps(const RecordingOutput& out) {
  std::vector<Played> steps;
  for (const Played& p : out.played)
    if (p.effect == E::Footstep) steps.push_back(p);
  return steps;
}

TEST(SoundCuesFootsteps, FallOnTheRunUpTicksCountedFromTheTickAfterTheStart) {
  RecordingOutput out;
  SoundCues cues(out, {1, 10, 57});
  PlayTicks(cues, out, 100, 170,
            {Event(EventKind::RunUpStarted, 100), Event(EventKind::BallReleased, 161)});
  EXPECT_EQ(Steps(out),
            (std::vector<Played>{{E::Footstep, 101}, {E::Footstep, 110}, {E::Footstep, 157}}));
}

TEST(SoundCuesFootsteps, ReleaseDropsTheStepsStillToCome) {
  RecordingOutput out;
  SoundCues cues(out, {1, 10, 57});
  PlayTicks(cues, out, 0, 80,
            {Event(EventKind::RunUpStarted, 0), Event(EventKind::BallReleased, 5)});
  EXPECT_EQ(Steps(out), (std::vector<Played>{{E::Footstep, 1}}));
}

TEST(SoundCuesFootsteps, EscapeDropsTheStepsAndStopsEverything) {
  RecordingOutput out;
  SoundCues cues(out, {1, 10, 57});
  PlayTicks(cues, out, 0, 5, {Event(EventKind::RunUpStarted, 0)});
  cues.Cancel();
  PlayTicks(cues, out, 6, 80, {});
  EXPECT_EQ(Steps(out), (std::vector<Played>{{E::Footstep, 1}}));
  EXPECT_EQ(out.stops, 1);
}

TEST(SoundCuesFootsteps, ANewRunUpRestartsTheStepsFromItsOwnTick) {
  RecordingOutput out;
  SoundCues cues(out, {1, 10});
  PlayTicks(cues, out, 0, 40,
            {Event(EventKind::RunUpStarted, 0), Event(EventKind::RunUpStarted, 5)});
  EXPECT_EQ(Steps(out),
            (std::vector<Played>{{E::Footstep, 1}, {E::Footstep, 6}, {E::Footstep, 15}}));
}

}  // namespace
