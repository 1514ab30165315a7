#include <gtest/gtest.h>

#include "core/ball/Crease.h"
#include "core/model/MatchState.h"

namespace {
MatchState BallAt(float x, float y, float height) {
  MatchState s;
  s.BallX = x, s.BallY = y, s.BallSpriteY = static_cast<i16>(y - height);
  s.BatsmanSpriteX = 180, s.BallCrossX = 300;
  return s;
}
}  // namespace

TEST(Crease, WideCorridorBoundsAndCrossingLine) {
  const struct {
    float x, y;
    bool shot, wide;
    i16 cross;
  } cases[] = {{251, 210, false, false, 251},    {359, 210, false, false, 359},
               {250.9f, 210, false, true, 251},  {359.1f, 210, false, true, 359},
               {300.5f, 219, false, false, 300},                                 // half to even
               {240, 200, false, false, 300},    {240, 220, false, false, 300},  // the band is open
               {240, 210, true, false, 300}};  // a shot already played switches the test off
  for (const auto& c : cases) {
    MatchState s = BallAt(c.x, c.y, 100);
    s.ShotPlayed = c.shot;
    CheckCrease(s);
    EXPECT_EQ(s.WideBall, c.wide) << c.x << "," << c.y;
    EXPECT_EQ(s.WideCalled, c.wide) << c.x << "," << c.y;
    EXPECT_EQ(s.BallCrossX, c.cross) << c.x << "," << c.y;
  }
}

TEST(Crease, StumpsZoneEvenForAPlayedBall) {
  const struct {
    float x, height;
    bool bowled;
  } cases[] = {
      {311, 63, true}, {311, 64, false}, {310, 10, false}, {337.5f, 10, true}, {338, 10, false}};
  for (const auto& c : cases) {
    MatchState s = BallAt(c.x, 149.5f, c.height);
    s.ShotPlayed = true;
    CheckCrease(s);
    EXPECT_TRUE(s.StumpCheckDone);
    EXPECT_EQ(s.Bowled, c.bowled) << c.x << " h" << c.height;
    EXPECT_EQ(s.OutcomeText, c.bowled ? "Your OUT!!!" : "");
  }
  MatchState onTheLine = BallAt(320, 150, 10);  // judged only once past y 150
  CheckCrease(onTheLine);
  EXPECT_FALSE(onTheLine.StumpCheckDone);
  EXPECT_FALSE(onTheLine.Bowled);
}

TEST(Crease, BodyZonesOnlyForAnUnplayedBallAndTheBatsmanAtRest) {
  const struct {
    float x, height;
    bool stopped, shot = false;
    i16 batsman = 180;
  } cases[] = {{331, 129, true},       {331, 130, false},
               {323, 50, false},       {345.5f, 50, true},
               {346, 50, false},       {306, 130, true},
               {306, 199, true},       {306, 200, false},
               {306, 129, false},      {305, 150, false},
               {329.5f, 150, true},    {330, 150, false},
               {331, 50, false, true}, {331, 50, false, false, 181}};
  for (const auto& c : cases) {
    MatchState s = BallAt(c.x, 175, c.height);
    s.ShotPlayed = c.shot, s.BatsmanSpriteX = c.batsman;
    CheckCrease(s);
    EXPECT_EQ(s.BallPastBat, !c.shot && c.batsman == 180) << c.x << " h" << c.height;
    EXPECT_EQ(s.BallStopped, c.stopped) << c.x << " h" << c.height;
  }
}

TEST(Crease, TheBodyIsJudgedOnlyOnceTheBallIsPastItsLine) {
  MatchState onTheLine = BallAt(331, 176, 50);  // would be stopped by the pads a pixel later
  CheckCrease(onTheLine);
  EXPECT_FALSE(onTheLine.BallPastBat);
  EXPECT_FALSE(onTheLine.BallStopped);
}

TEST(Crease, BodyAndStumpsAreJudgedOnlyOnce) {
  MatchState s = BallAt(320, 175, 20);  // between the two body zones
  CheckCrease(s);
  const struct {
    float x, y;
    i16 height;
  } later[] = {{331, 170, 20},   // now at the pads, but the body was judged last tick
               {324, 149, 64},   // just over the stumps
               {324, 140, 10}};  // low over them a tick later
  for (const auto& l : later) {
    s.BallX = l.x, s.BallY = l.y, s.BallSpriteY = static_cast<i16>(l.y - l.height);
    CheckCrease(s);
  }
  EXPECT_FALSE(s.BallStopped);
  EXPECT_FALSE(s.Bowled);
}

TEST(Crease, BatTakesOverOnlyInsideTheHittingBand) {
  const struct {
    float y;
    bool shot, hit;
  } cases[] = {{170, true, true}, {168, true, false}, {178, true, false}, {170, false, false}};
  for (const auto& c : cases) {
    MatchState s = BallAt(200, c.y, 50);
    s.BallVX = 1, s.BallVY = -8, s.ShotVX = -3, s.ShotVY = 6, s.ShotPlayed = c.shot;
    CheckCrease(s);
    EXPECT_EQ(s.BallVX, c.hit ? -3.0f : 1.0f) << c.y;
    EXPECT_EQ(s.BallVY, c.hit ? 6.0f : -8.0f) << c.y;
  }
}
