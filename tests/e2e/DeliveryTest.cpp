// One delivery as a player sees it: each phase's picture back to front, and
// the 121 ticks from the run-up's first to the end of the ball.
#include <gtest/gtest.h>

#include "ReplayHarness.h"

namespace {

const std::string kShotLine = R"(["DrawText","(Timing + line) - Shot Danger  = 0 - 0",10,10])";
const std::string kOutcomeLine = R"(["DrawText","Outcome = ",10,22])";
const std::string kScoreLine = R"(["DrawText","Team1  0/0",540,10])";
const std::string kOversLine = R"(["DrawText","0.0 Overs",540,24])";
const std::string kMarker = R"(["DrawTile","TileSetSmallSp",0,300,200])";

// What a draw puts where in the picture, without its random parts: a tile's
// set and number (the spinning ball's tile is any of three), a text's row.
std::string Shape(const QJsonValue& value) {
  const QJsonArray draw = value.toArray();
  const std::string op = draw[0].toString().toStdString();
  if (op == "DrawTile") {
    const std::string set = draw[1].toString().toStdString();
    return op + " " + set + " " + (set == "TileSetCBall" ? "*" : std::to_string(draw[2].toInt()));
  }
  if (op == "DrawText") return op + " y" + std::to_string(draw[3].toInt());
  return op;
}

}  // namespace

// A first-innings picture: background and the two information lines, then the
// phase's sprites, then the score lines, the batting marker and the frame.
std::vector<std::string> FirstInningsPicture(const std::vector<std::string>& sprites) {
  std::vector<std::string> picture = {R"(["DrawMap","TileSetAll"])", kShotLine, kOutcomeLine};
  picture.insert(picture.end(), sprites.begin(), sprites.end());
  picture.insert(picture.end(), {kScoreLine, kOversLine, kMarker, R"(["ShowFrame"])"});
  return picture;
}

TEST(Delivery, WaitingPictureIsDrawnBackToFront) {
  const auto result = RunReplay("begin\ntick\n");
  ASSERT_EQ(result.Ticks().size(), 1u);
  EXPECT_EQ(CompactAll(result.Ticks()[0]), FirstInningsPicture({
                                               R"(["DrawTile","TileSetStumps",0,320,90])",
                                               R"(["DrawTile","TileSetStumps",0,320,340])",
                                               R"(["DrawTile","TileSetShots",0,180,0])",
                                           }));
}

TEST(Delivery, RunUpDrawsCursorBowlerStumpsBatsman) {
  // "Easy" bowling keeps the cursor where the match start put it, (250, 250).
  const auto result = RunReplay("select OptionBOWLe\nbegin\npress 99\npress 101\ntick\n");
  ASSERT_EQ(result.Ticks().size(), 1u);
  EXPECT_EQ(CompactAll(result.Ticks()[0]), FirstInningsPicture({
                                               R"(["DrawTile","TileSetGameSp",0,250,250])",
                                               R"(["DrawTile","TileSetBowler",1,131,410])",
                                               R"(["DrawTile","TileSetStumps",0,320,90])",
                                               R"(["DrawTile","TileSetStumps",0,320,340])",
                                               R"(["DrawTile","TileSetShots",0,180,0])",
                                           }));
}

TEST(Delivery, ReleaseTickDrawsTheFlightPicture) {
  const auto result = RunReplay("begin\npress 101\ntick 61\nprint BowlerX BallY\n");
  const auto ticks = result.Ticks();
  ASSERT_EQ(ticks.size(), 61u);
  std::vector<std::string> shapes;
  for (const auto& draw : ticks.back()) shapes.push_back(Shape(draw));
  // Just released, the ball is low on the screen: drawn over the batsman, under the bowler.
  const std::vector<std::string> expected = {
      "DrawMap",
      "DrawText y10",
      "DrawText y22",
      "DrawTile TileSetStumps 0",
      "DrawTile TileSetStumps 0",
      "DrawTile TileSetSmallSp 1",
      "DrawTile TileSetShots 1",
      "DrawTile TileSetCBall *",
      "DrawTile TileSetSmallSp 3",
      "DrawTile TileSetBowler 33",
      "DrawText y10",
      "DrawText y24",
      "DrawTile TileSetSmallSp 0",
      "ShowFrame",
  };
  EXPECT_EQ(shapes, expected);
  EXPECT_EQ(result.Prints()[0]["BowlerX"].toInt(), 184);
  EXPECT_GT(result.Prints()[0]["BallY"].toDouble(), 161.0);
}

TEST(Delivery, LastsExactly121Ticks) {
  const auto result = RunReplay(
      "begin\npress 101\ntick 120\nprint BallBowled BallCounter BallsInOver\n"
      "tick\nprint BallBowled BallCounter RunUpStarted\n");
  const auto prints = result.Prints();
  ASSERT_EQ(prints.size(), 2u);
  EXPECT_TRUE(prints[0]["BallBowled"].toBool());
  EXPECT_EQ(prints[0]["BallCounter"].toInt(), 60);
  EXPECT_FALSE(prints[1]["BallBowled"].toBool());
  EXPECT_FALSE(prints[1]["RunUpStarted"].toBool());
  EXPECT_EQ(prints[1]["BallCounter"].toInt(), 0);
}
