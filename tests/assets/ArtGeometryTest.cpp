// The pictures agree with what the game decides: a ball the game calls bowled
// touches the stumps and one it does not misses them; a ball stopped by the
// batsman's body is drawn on his pads or his chest; the push and the glance
// put the bat on the ball's line; every marker sits on the game's point.

#include <gtest/gtest.h>

#include "TilePixels.h"
#include "painter/Geometry.h"

namespace {

using assets_test::LoadAsset;
using assets_test::Overlap;
using assets_test::TileOf;

// Ground y of the ball in the tick the stumps are tested, at the middle pace.
constexpr int kBallYAtStumps = 146;
// Ground y of the ball in the tick the body is tested.
constexpr int kBallYAtBody = 172;
// The batsman's tile while an unplayed ball reaches him (after ten flight ticks).
constexpr int kWaitingTile = 5;

QImage BallTile() {
  return TileOf(LoadAsset("cball.bmp"), 32, 32, 0);
}
QPoint BallAt(int groundX, int groundY, int height) {
  return {groundX, groundY - height};
}

struct StumpCase {
  int groundX, height;
  bool bowled;
};

constexpr StumpCase kStumpCases[] = {
    {310, 0, false},  {311, 0, true},   {324, 30, true},  {337, 10, true},
    {338, 10, false}, {324, 63, true},  {324, 64, false}, {316, 63, true},
    {332, 63, true},  {296, 20, false}, {352, 20, false},
};

TEST(ArtGeometry, StumpsAreTouchedExactlyByBallsTheGameBowls) {
  const QImage stumps = TileOf(LoadAsset("stumps.bmp"), 64, 64, 0);
  const QImage ball = BallTile();
  const QPoint stumpsAt(field::BattingStumpsX, field::BattingStumpsY);
  for (const StumpCase& c : kStumpCases) {
    EXPECT_EQ(Overlap(ball, BallAt(c.groundX, kBallYAtStumps, c.height), stumps, stumpsAt),
              c.bowled)
        << "ground x " << c.groundX << " height " << c.height;
  }
}

struct Zone {
  const char* name;
  int fromX, toX, fromHeight, toHeight;
};

// Inside the body zones the ball is drawn on him. (The chest zone reaches
// above the top of the screen; only the heights drawn on his head count.)
constexpr Zone kBodyZones[] = {
    {"pads", field::PadsLeft + 1, field::PadsRight - 1, 0, field::PadsTop - 1},
    {"chest", field::ChestLeft + 1, field::ChestRight - 1, field::ChestBottom + 1, 162},
};

TEST(ArtGeometry, BallStoppedByTheBodyIsDrawnOnTheBatsman) {
  const QImage batsman = TileOf(LoadAsset("shots256.bmp"), 320, 200, kWaitingTile);
  const QImage ball = BallTile();
  const QPoint at(field::BatsmanSpriteX, field::BatsmanSpriteY);
  for (const Zone& z : kBodyZones) {
    int on = 0, all = 0;
    for (int x = z.fromX; x <= z.toX; x += 3) {
      for (int h = z.fromHeight; h <= z.toHeight; h += 8) {
        ++all;
        on += Overlap(ball, BallAt(x, kBallYAtBody, h), batsman, at) ? 1 : 0;
      }
    }
    EXPECT_GE(on, all * 95 / 100) << z.name << ": " << on << " of " << all;
  }
}

TEST(ArtGeometry, LowBallWideOfThePadsMissesThem) {
  const QImage batsman = TileOf(LoadAsset("shots256.bmp"), 320, 200, kWaitingTile);
  const QImage ball = BallTile();
  const QPoint at(field::BatsmanSpriteX, field::BatsmanSpriteY);
  for (int x : {field::PadsLeft - 8, field::PadsRight + 8}) {
    for (int h = 0; h <= 40; h += 10) {
      EXPECT_FALSE(Overlap(ball, BallAt(x, kBallYAtBody, h), batsman, at))
          << "ground x " << x << " height " << h;
    }
  }
}

bool IsWillow(QRgb p) {
  return qRed(p) > 150 && qRed(p) - qBlue(p) > 45 && qGreen(p) > qBlue(p) + 20;
}

struct BatCase {
  const char* shot;
  int tile, column;
};

// The push holds tile 8 with the sprite moved to meet a ball on the drive's
// line; the glance holds tile 13, moved to meet one on the glance's line.
constexpr BatCase kBatCases[] = {{"push", 8, art::DriveBatTileX},
                                 {"glance", 13, art::GlanceBatTileX}};

TEST(ArtGeometry, PushAndGlancePutTheBladeOnTheBallsLine) {
  const QImage sheet = LoadAsset("shots256.bmp");
  for (const BatCase& c : kBatCases) {
    const QImage tile = TileOf(sheet, 320, 200, c.tile);
    int rows = 0;
    for (int y = 140; y < 186; ++y) {
      bool blade = false;
      for (int x = c.column - 3; x <= c.column + 3; ++x)
        blade = blade || IsWillow(tile.pixel(x, y));
      rows += blade ? 1 : 0;
    }
    EXPECT_GE(rows, 30) << c.shot;
  }
}

bool AnyDrawn(QRgb p) {
  return (p & 0xFFFFFFu) != 0xFF00FFu;
}
bool Red(QRgb p) {
  return qRed(p) > 180 && qGreen(p) < 80 && qBlue(p) < 80;
}
bool White(QRgb p) {
  return qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 235;
}

// All the small sprites share the ball's ground point: the marker and the
// pitch spot are centred where the shadow is, and the ball rests on it.
TEST(ArtGeometry, MarkersAndBallLineUpWithTheShadow) {
  const QImage small = LoadAsset("smallsp.bmp");
  const QPointF shadow = assets_test::CentreOf(TileOf(small, 16, 16, 1), AnyDrawn);
  const QPointF marker = assets_test::CentreOf(TileOf(small, 16, 16, 0), AnyDrawn);
  const QPointF spot = assets_test::CentreOf(TileOf(small, 16, 16, 3), Red);
  EXPECT_NEAR(marker.x(), shadow.x(), 0.6);
  EXPECT_NEAR(marker.y(), shadow.y(), 0.6);
  EXPECT_NEAR(spot.x(), shadow.x(), 0.6);
  EXPECT_NEAR(spot.y(), shadow.y(), 0.6);
  for (int t = 0; t < 3; ++t) {
    const QImage ball = TileOf(LoadAsset("cball.bmp"), 32, 32, t);
    EXPECT_NEAR(assets_test::CentreOf(ball, AnyDrawn).x(), shadow.x(), 0.6) << "ball " << t;
    int bottom = 0;
    for (int y = 0; y < ball.height(); ++y) {
      for (int x = 0; x < ball.width(); ++x) bottom = AnyDrawn(ball.pixel(x, y)) ? y : bottom;
    }
    EXPECT_GE(bottom, shadow.y() - 2) << "ball " << t << " floats above its shadow";
    EXPECT_LE(bottom, shadow.y()) << "ball " << t << " sinks below its shadow";
  }
}

// The pitch spot is put 29 right of and below the cursor's corner.
TEST(ArtGeometry, CursorAimsWhereThePitchSpotWillBeMarked) {
  const QPointF spot = assets_test::CentreOf(TileOf(LoadAsset("smallsp.bmp"), 16, 16, 3), Red);
  for (int pace = 0; pace < 3; ++pace) {
    const QImage cursor = TileOf(LoadAsset("GAMESP.bmp"), 64, 64, pace);
    const QPointF aim = assets_test::CentreOf(cursor, White);
    EXPECT_NEAR(aim.x(), spot.x() + field::AimOffset, 0.6) << "pace " << pace;
    EXPECT_NEAR(aim.y(), spot.y() + field::AimOffset, 0.6) << "pace " << pace;
  }
}

}  // namespace
