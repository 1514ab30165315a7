#include <gtest/gtest.h>

#include <cmath>

#include "core/ball/BallFlight.h"
#include "core/ball/Launch.h"
#include "core/model/MatchState.h"

namespace {
// A ball in the bowler's hand, 170 pixels above (250, 330), aimed at the spot.
MatchState Aimed(i16 pace, i16 pitchX, i16 pitchY) {
  MatchState s;
  s.BallX = 250, s.BallY = 330, s.BallSpriteX = 180, s.BallSpriteY = 160;
  s.DeliveryPace = pace, s.PitchX = pitchX, s.PitchY = pitchY;
  LaunchBall(s);
  return s;
}

int TicksToPitch(MatchState& s) {
  for (int tick = 1; tick <= 61; ++tick) {
    MoveBall(s);
    if (s.BallBounced) return tick;
  }
  return 0;
}
}  // namespace

TEST(BallFlight, WorkedDeliveriesPitchAtTheSpotAndHopAtOnce) {
  const struct {
    i16 pace;
    float rate;
    int pitchTick;
    float hopRate;
    i16 spriteY;
  } cases[] = {{0, 28.98f, 6, 18.20f, 253}, {2, 17.39f, 10, 10.92f, 264}};
  for (const auto& c : cases) {
    MatchState s = Aimed(c.pace, 279, 279);
    EXPECT_NEAR(s.LaunchClimb, c.rate, 0.01f);
    EXPECT_EQ(TicksToPitch(s), c.pitchTick) << "pace " << c.pace;
    EXPECT_NEAR(s.BallX, 279.66f, 0.01f);
    EXPECT_NEAR(s.BallY, 277.84f, 0.01f);
    EXPECT_EQ(s.BallSpriteX, 280);
    EXPECT_NEAR(s.BallClimb, c.hopRate, 0.01f);  // two thirds kept, less a 26th of the launch rate
    EXPECT_EQ(s.BallSpriteY, c.spriteY);
  }
}

TEST(BallFlight, LaunchAlwaysGoesUpTheScreenTowardsTheSpot) {
  const struct {
    i16 pitchX, pitchY;
    float launchX;
  } cases[] = {
      {200, 300, 250}, {300, 300, 250}, {230, 160, 250}, {250, 279, 251}};  // straight up: nudged
  for (const auto& c : cases) {
    MatchState s = Aimed(1, c.pitchX, c.pitchY);
    EXPECT_EQ(s.BallX, c.launchX) << c.pitchX;
    EXPECT_LT(s.BallVY, 0) << c.pitchX;
    EXPECT_EQ(s.BallVX < 0, c.pitchX < c.launchX) << c.pitchX;
    EXPECT_NEAR(std::hypot(s.BallVX, s.BallVY), 8.0f, 1e-4f);
  }
}

TEST(BallFlight, StoppedBallRollsBackYetStillPitches) {
  MatchState s = Aimed(0, 279, 279);
  MoveBall(s);
  s.BallStopped = true;
  const float y = s.BallY;
  EXPECT_EQ(TicksToPitch(s), 5);
  EXPECT_FLOAT_EQ(s.BallY, y + 10);
  EXPECT_EQ(s.BallVX, 0);
}

TEST(BallFlight, HopRateShrinksAndTurnsUpBelowEight) {
  // LaunchClimb 26 takes 1 off the rate each tick; the ground point stands still.
  const struct {
    i16 height;
    float climb, climbAfter;
    i16 heightAfter;
  } cases[] = {{10, -5, 6, 4}, {20, -5, -6, 14},   {10, -1, -2, 8},   {10, -2, 3, 7},
               {10, 3, 2, 12}, {6, 1.5f, 0.5f, 6}, {6, 2.5f, 1.5f, 8}};  // drawn y 193.5 and 192.5:
                                                                         // halves go to even
  for (const auto& c : cases) {
    MatchState s;
    s.BallBounced = true, s.LaunchClimb = 26, s.BallClimb = c.climb;
    s.BallX = 300, s.BallY = 200, s.BallSpriteY = static_cast<i16>(200 - c.height);
    MoveBall(s);
    EXPECT_FLOAT_EQ(s.BallClimb, c.climbAfter) << c.height << " " << c.climb;
    EXPECT_EQ(s.BallY - s.BallSpriteY, c.heightAfter) << c.height << " " << c.climb;
  }
}

// A falling ball pitches once its height is under 2 pixels: at 2 it is still in the air.
TEST(BallFlight, PitchesBelowTwoPixels) {
  const struct {
    float climb;
    bool pitched;
  } cases[] = {{8, false}, {9, true}};
  for (const auto& c : cases) {
    MatchState s;
    s.BallX = 300, s.BallY = 250, s.BallSpriteY = 240, s.BallClimb = c.climb;  // height 10
    MoveBall(s);
    EXPECT_EQ(s.BallBounced, c.pitched) << "falling " << c.climb;
  }
}
