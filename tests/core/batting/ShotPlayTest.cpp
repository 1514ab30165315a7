#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/batting/ShotPlay.h"
#include "core/model/Outcome.h"
#include "fakes/Fakes.h"

namespace {

// A drive at a ball in flight, its ground x under the marker, crossing at 300 off a full length.
void DriveAt(MatchState& s, float ballY, float ballX = 300.0f) {
  s.BallBowled = true;
  s.BallY = ballY, s.BallX = ballX, s.BatsmanX = 300;
  s.BallVX = 0.5f, s.BallVY = -9.0f;
  s.BallCounter = 37;
  s.BallCrossX = 300, s.PitchY = 210;
  s.ShotKey = shot::kDrive;
  s.TimingLine = -99;  // left alone by a refused shot
}

TEST(PlayShot, AcceptsOnlyInsideTheHittingWindow) {
  struct Case {
    float ballY;
    bool bowled, alreadyPlayed, pastBat, accepted;
  };
  const Case cases[] = {{240.0f, true, false, false, false},  {239.9f, true, false, false, true},
                        {176.0f, true, false, false, true},   {171.0f, true, false, false, true},
                        {173.0f, true, false, true, false},   {170.0f, true, false, false, false},
                        {200.0f, false, false, false, false}, {200.0f, true, true, false, false}};
  for (const auto& c : cases) {
    fakes::MatchRig rig;
    MatchState& s = rig.S;
    DriveAt(s, c.ballY);
    s.BallBowled = c.bowled, s.ShotPlayed = c.alreadyPlayed, s.BallPastBat = c.pastBat;
    PlayShot(rig.match);
    EXPECT_EQ(s.BatTolerance, 5) << c.ballY << ": read even for a refused shot";
    EXPECT_EQ(s.TimingLine != -99, c.accepted) << c.ballY;
    EXPECT_EQ(s.ShotPlayed, c.accepted || c.alreadyPlayed) << c.ballY;
    EXPECT_EQ(s.ShotFrameBase, c.accepted ? 37 : 0) << c.ballY;
  }
}

// Timing is kept as a single, line is rounded to even before the sum, the sum rounded to even.
TEST(PlayShot, ScoresTimingPlusLine) {
  struct Case {
    Option difficulty;
    float ballY, ballX;
    i16 batsmanX;
    int timingLine;
  };
  const Case cases[] = {
      {Option::OptionBATn, 203.5f, 300.0f, 307, 8},  // 4.3 + round(3.6)
      {Option::OptionBATe, 200.0f, 300.0f, 300, 10},
      {Option::OptionBATn, 200.0f, 300.0f, 300, 10},
      {Option::OptionBATh, 200.0f, 300.0f, 300, 10},
      {Option::OptionBATn, 200.0f, 302.5f, 300, 9},  // 5 + round(4.5)
      {Option::OptionBATn, 212.5f, 300.0f, 300, 8},  // round(2.5 + 5)
      {Option::OptionBATn, 197.5f, 302.5f, 300, 8},  // round(4.5 + 4)
      {Option::OptionBATh, 220.0f, 300.0f, 300, 3},  // -1.667 + 5
      // 35 pixels late, then 35 pixels wide, at each difficulty: 35 / 7, 35 / 5, 35 / 3
      {Option::OptionBATe, 235.0f, 300.0f, 300, 5},
      {Option::OptionBATn, 235.0f, 300.0f, 300, 3},
      {Option::OptionBATh, 235.0f, 300.0f, 300, -2},
      {Option::OptionBATe, 200.0f, 335.0f, 300, 5},
      {Option::OptionBATn, 200.0f, 335.0f, 300, 3},
      {Option::OptionBATh, 200.0f, 335.0f, 300, -2},
  };
  for (const auto& c : cases) {
    fakes::MatchRig rig;
    rig.panel.Select(c.difficulty);
    DriveAt(rig.S, c.ballY, c.ballX);
    rig.S.BatsmanX = c.batsmanX;
    PlayShot(rig.match);
    EXPECT_EQ(rig.S.TimingLine, c.timingLine) << c.ballY << ", " << c.ballX << " vs " << c.batsmanX;
  }
}

TEST(PlayShot, AMissKeepsTheBallsVelocityAndTheNewDifficultyCountsAtTheNextCall) {
  fakes::MatchRig rig;
  MatchState& s = rig.S;
  DriveAt(s, 230.0f, 330.0f);  // timing -1, line -1 against a danger of 2
  rig.panel.Select(Option::OptionBATh);
  s.BallBowled = false;
  PlayShot(rig.match);
  EXPECT_EQ(s.BatTolerance, 3);
  rig.panel.Select(Option::OptionBATn);
  s.BallBowled = true;
  PlayShot(rig.match);
  EXPECT_EQ(s.OutcomeText, TextOf(Outcome::None));
  EXPECT_EQ(s.ShotVX, 0.5f);
  EXPECT_EQ(s.ShotVY, -9.0f);
  s.ShotKey = shot::kHook;
  s.BallY = 200.0f, s.BallX = 300.0f;
  PlayShot(rig.match);
  EXPECT_EQ(s.ShotCode, shot::kDrive) << "no second shot at the same ball";
}

// An accepted shot is told with its code, its timing + line and its danger:
// a perfect drive (10) at a full ball on middle (danger 1 + 1).
TEST(PlayShot, TellsTheShotWithItsSumsAndDanger) {
  fakes::MatchRig rig;
  fakes::EventLog ear;
  rig.events.Listen(ear);
  DriveAt(rig.S, 200.0f);
  PlayShot(rig.match);
  ASSERT_EQ(ear.heard.size(), 1u);
  const GameEvent& e = ear.heard[0];
  EXPECT_EQ(std::tuple(e.kind, e.shot, e.timingLine, e.danger),
            std::tuple(EventKind::ShotPlayed, 1, 10, 2));
}

// A shot key out of the window is news only while a ball is coming: too early
// until the ball is inside the window, too late once it has got past the bat.
TEST(PlayShot, AKeyOutsideTheWindowIsToldEarlyOrLate) {
  struct Case {
    const char* when;
    bool runUp, bowled, pastBat, played;
    float ballY;
    std::vector<bool> told;  // each ShotMissedWindow's `early`
  };
  const Case cases[] = {
      {"waiting for the bowler", false, false, false, false, 300.0f, {}},
      {"in the run-up", true, false, false, false, 300.0f, {true}},
      {"on the far row", false, true, false, false, 240.0f, {true}},
      {"past the bat", false, true, true, false, 173.0f, {false}},
      {"gone by", false, true, false, false, 170.0f, {false}},
      {"already played", false, true, false, true, 300.0f, {}},
  };
  for (const auto& c : cases) {
    fakes::MatchRig rig;
    fakes::EventLog heard;
    rig.events.Listen(heard);
    MatchState& s = rig.S;
    DriveAt(s, c.ballY);
    s.RunUpStarted = c.runUp, s.BallBowled = c.bowled, s.BallPastBat = c.pastBat;
    s.ShotPlayed = c.played;
    PlayShot(rig.match);
    std::vector<bool> early;
    for (const GameEvent& e : heard.heard)
      if (e.kind == EventKind::ShotMissedWindow) early.push_back(e.early);
    EXPECT_EQ(early, c.told) << c.when;
  }
}

}  // namespace
