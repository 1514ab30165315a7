// The bowler is drawn last, over the ball. After the release his tiles must
// leave the ball's way up the pitch clear, or the player loses sight of it in
// the ticks that show where it will pitch. The ball's path comes from the
// game's own launch and flight.

#include <gtest/gtest.h>

#include <algorithm>

#include "TilePixels.h"
#include "core/ball/BallFlight.h"
#include "core/ball/Launch.h"
#include "core/model/MatchState.h"
#include "painter/Geometry.h"

namespace {

using assets_test::LoadAsset;
using assets_test::Overlap;
using assets_test::TileOf;

MatchState Launched(int pace, int pitchX, int pitchY) {
  MatchState s;
  s.BallX = field::ReleaseX;
  s.BallY = field::ReleaseY;
  s.BallSpriteX = 180;
  s.BallSpriteY = 160;
  s.PitchX = static_cast<i16>(pitchX);
  s.PitchY = static_cast<i16>(pitchY);
  s.DeliveryPace = static_cast<i16>(pace);
  LaunchBall(s);
  return s;
}

// The bowler in flight tick t: tiles 33 to 38 stepping left, then 38 at rest.
int BowlerTile(int tick) {
  return tick < 7 ? 32 + tick : 38;
}
int BowlerX(int tick) {
  return field::BowlerReleaseX + 6 - 6 * std::min(tick, 6);
}

// Deliveries pitched anywhere from the off side of the fair corridor to the
// leg side, full to short, at every pace; followed until they reach the bat.
TEST(BowlerClearance, BallIsNeverHiddenBehindTheBowlerOnItsWayUpThePitch) {
  const QImage bowler = LoadAsset("bowler.bmp");
  const QImage ball = TileOf(LoadAsset("cball.bmp"), 32, 32, 0);
  int hidden = 0, looked = 0;
  for (int pace = 0; pace <= 2; ++pace) {
    for (int pitchX = 262; pitchX <= 340; pitchX += 6) {
      for (int pitchY = 190; pitchY <= 310; pitchY += 8) {
        MatchState s = Launched(pace, pitchX, pitchY);
        for (int tick = 1; tick <= 40 && s.BallY > field::BodyLineY; ++tick) {
          MoveBall(s);
          const QImage tile = TileOf(bowler, 151, 240, BowlerTile(tick));
          ++looked;
          if (Overlap(ball, {s.BallSpriteX, s.BallSpriteY}, tile,
                      {BowlerX(tick), field::BowlerFlightY})) {
            ++hidden;
            ADD_FAILURE() << "pace " << pace << " spot " << pitchX << "," << pitchY << " tick "
                          << tick;
          }
        }
      }
    }
  }
  EXPECT_EQ(hidden, 0) << "of " << looked;
}

}  // namespace
