// One tick of the match on its own, without a Game: what it draws, back to
// front, in each phase of a ball, and what it asks of the world.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/input/KeyCodes.h"
#include "core/input/Keyboard.h"
#include "core/tick/GameTick.h"
#include "fakes/Fakes.h"

namespace {

// Each call as "Op" or "Op:sprite set:tile" for tiles, "Text:words" for text.
std::vector<std::string> Drawn(const fakes::RecordingDisplay& display, const MatchDisplay& d) {
  std::vector<std::string> out;
  for (const auto& call : display.calls) {
    std::string line = call.op;
    if (call.op == "DrawTile") {
      const auto* set = std::get<const TileSet*>(call.args[0]);
      for (const auto& [name, slot] : kTileSetSlots)
        if ((d.*slot).get() == set) line += std::string(":") + name;
      line += ":" + std::to_string(std::get<long long>(call.args[1]));
    }
    if (call.op == "DrawText") line += ":" + std::get<std::string>(call.args[0]);
    out.push_back(line);
  }
  return out;
}

using Lines = std::vector<std::string>;
const Lines kInfo = {"DrawMap", "DrawText:(Timing + line) - Shot Danger  = 0 - 0",
                     "DrawText:Outcome = "};
const Lines kScore = {"DrawText:Team1  0/0", "DrawText:0.0 Overs"};

Lines Join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace

TEST(GameTick, DrawsEachPhaseBackToFront) {
  const Lines marker = {"DrawTile:TileSetSmallSp:0", "ShowFrame"};
  const struct {
    const char* phase;
    void (*set)(MatchState&);
    Lines drawn;
  } cases[] = {
      {"waiting", [](MatchState&) {},
       Join({kInfo,
             {"DrawTile:TileSetStumps:0", "DrawTile:TileSetStumps:0", "DrawTile:TileSetShots:0"},
             kScore,
             marker})},
      {"run-up", [](MatchState& s) { s.RunUpStarted = true; },
       Join({kInfo,
             {"DrawTile:TileSetGameSp:0", "DrawTile:TileSetBowler:1", "DrawTile:TileSetStumps:0",
              "DrawTile:TileSetStumps:0", "DrawTile:TileSetShots:0"},
             kScore,
             marker})},
      {"innings break",
       [](MatchState& s) { s.InningsBreak = true; },
       {"DrawMap", "DrawText:Swap Over : End of Innings", "ShowFrame"}},
  };
  for (const auto& c : cases) {
    fakes::MatchRig rig;
    auto& display = rig.SetUpField();
    c.set(rig.S);
    GameTick(rig.match, rig.D);
    EXPECT_EQ(Drawn(display, rig.D), c.drawn) << c.phase;
  }
}

// In flight the ball is drawn behind the batsman while its ground point is up
// the screen (y < 161), in front of him once it is nearer; the bowler last.
TEST(GameTick, TheBallGoesBehindOrInFrontOfTheBatsman) {
  const struct {
    float ballY;
    bool behind;
  } cases[] = {{150.0f, true}, {250.0f, false}};
  for (const auto& c : cases) {
    fakes::MatchRig rig;
    auto& display = rig.SetUpField();
    rig.S.BallBowled = true;
    rig.S.BallY = c.ballY;
    rig.S.BallVY = 0;
    GameTick(rig.match, rig.D);
    const Lines drawn = Drawn(display, rig.D);
    const auto at = [&](const std::string& prefix) {
      return std::find_if(drawn.begin(), drawn.end(),
                          [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }) -
             drawn.begin();
    };
    EXPECT_EQ(at("DrawTile:TileSetCBall") < at("DrawTile:TileSetShots"), c.behind) << c.ballY;
    EXPECT_LT(at("DrawTile:TileSetShots"), at("DrawTile:TileSetBowler"));
  }
}

// The 61st flight tick ends the ball: it is scored and the next one waits.
TEST(GameTick, TheLastFlightTickScoresTheBallAndPutsItBack) {
  fakes::MatchRig rig;
  rig.SetUpField();
  rig.S.BallBowled = true;
  rig.S.BallCounter = 60;
  rig.S.OutcomeText = "3 Runs";
  rig.S.BallY = 100;
  GameTick(rig.match, rig.D);
  EXPECT_EQ(rig.S.Team1Runs, 3);
  EXPECT_EQ(rig.S.BallsInOver, 1);
  EXPECT_FALSE(rig.S.BallBowled);
  EXPECT_EQ(rig.S.BallCounter, 0);
  ASSERT_FALSE(rig.told.heard.empty());
  EXPECT_EQ(rig.told.heard.back().kind, EventKind::BallScored);
}

// What a rule asks of the world goes through the match, not through the Game:
// Tab's slow motion, the time of day for a reseed, the result at the end.
TEST(MatchEffects, RulesAskTheWorldThroughTheMatch) {
  fakes::MatchRig rig;
  rig.SetUpField();
  KeyDown(rig.match, key::kTab);
  KeyUp(rig.match, key::kTab);
  EXPECT_EQ(rig.intervals, (std::vector<i16>{400, 30}));

  // The same tick at another time of day draws otherwise: the cursor reseeds.
  const auto stateAfterTickAt = [](std::int64_t timeOfDay) {
    fakes::MatchRig other;
    other.SetUpField();
    other.panel.Select(Option::OptionBOWLe);
    other.timeOfDay = timeOfDay;
    GameTick(other.match, other.D);
    return other.Rnd.State();
  };
  EXPECT_EQ(stateAfterTickAt(1234), stateAfterTickAt(1234));
  EXPECT_NE(stateAfterTickAt(1234), stateAfterTickAt(1235));

  rig.S.FirstInnings = false;
  rig.S.Team2Runs = 5;
  rig.S.BallBowled = true;
  rig.S.BallCounter = 60;
  rig.panel.SetText(TextBox::Text3, "0");
  GameTick(rig.match, rig.D);
  EXPECT_EQ(rig.results, (std::vector<std::string>{"Team2 are the winners"}));
  EXPECT_TRUE(rig.S.QuitGame);
}
