// One tick of the match on its own, without a Game: what it moves and tells in
// each phase of a ball, and what it asks of the world. The whole picture of
// every tick of a match is guarded by the golden traces (tests/golden); here
// are the rules those matches do not reach: scores that differ side to side,
// a spot nobody fixed, the bowling difficulties other than "Easy", a bowled
// batsman, a pace changed during the run-up.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/input/KeyCodes.h"
#include "core/input/Keyboard.h"
#include "core/tick/Animation.h"
#include "core/tick/GameTick.h"
#include "core/tick/Phases.h"
#include "fakes/Fakes.h"

namespace {

using Tile = std::tuple<long long, long long, long long>;  // tile, x, y

std::vector<Tile> TilesDrawn(const fakes::RecordingDisplay& display, const TileSetRef& set) {
  std::vector<Tile> tiles;
  for (const auto& call : display.calls)
    if (call.op == "DrawTile" && std::get<const TileSet*>(call.args[0]) == set.get())
      tiles.emplace_back(std::get<long long>(call.args[1]), std::get<long long>(call.args[2]),
                         std::get<long long>(call.args[3]));
  return tiles;
}

// A rig with its field set up, the panel at these choices.
struct TickRig : fakes::MatchRig {
  explicit TickRig(std::initializer_list<Option> choices = {}) : display(SetUpField()) {
    for (Option choice : choices) panel.Select(choice);
  }
  void Tick() {
    display.calls.clear();
    GameTick(match, D);
  }
  fakes::RecordingDisplay& display;
};

// The cursor is steered in "Easy" and "Normal" bowling and whenever the
// computer bowls, and kept inside its area; "Simulation" leaves it alone until
// the run-up sets it up. A cursor left above the area shows which.
TEST(GameTick, TheCursorIsSteeredInEachBowlingDifficulty) {
  const struct {
    Option gameType, bowling;
    bool firstInnings;
    i16 cursorY;
  } cases[] = {{Option::Option2, Option::OptionBOWLe, true, 151},
               {Option::Option2, Option::OptionBOWLn, true, 151},
               {Option::Option2, Option::OptionBOWLh, true, 140},
               {Option::Option1, Option::OptionBOWLh, true, 151},  // the computer bowls
               {Option::Option1, Option::OptionBOWLh, false, 140}};
  for (const auto& c : cases) {
    TickRig rig{c.gameType, c.bowling};
    rig.S.FirstInnings = c.firstInnings;
    rig.S.BowlCursorY = 140;
    rig.Tick();
    EXPECT_EQ(rig.S.BowlCursorY, c.cursorY) << static_cast<int>(c.bowling) << " " << c.firstInnings;
  }
}

// The batting side's score and the overs top right; in the second innings team
// 1's total to beat beneath. Each side shows its own name, runs and wickets.
TEST(GameTick, ScoreLinesShowEachSidesOwnNumbers) {
  TickRig rig;
  rig.panel.SetText(TextBox::Text1, "Lions");
  rig.panel.SetText(TextBox::Text2, "Tigers");
  MatchState& s = rig.S;
  s.FirstInnings = false;  // team 2 batting, team 1's total to beat beneath
  s.Team1Runs = 57, s.Team1Wickets = 3, s.Team2Runs = 41, s.Team2Wickets = 7;
  s.OversBowled = 4, s.BallsInOver = 2;
  rig.Tick();
  std::vector<std::string> texts;
  for (const auto& call : rig.display.calls)
    if (call.op == "DrawText") texts.push_back(std::get<std::string>(call.args[0]));
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()),
            (std::vector<std::string>{"Tigers  41/7", "4.2 Overs", "Lions  57/3"}));
}

// Nobody fixed the spot during the run-up: the release fixes it around the
// cursor (250, 250) + 29.
TEST(GameTick, TheReleaseFixesTheSpotNobodyAimed) {
  TickRig rig{Option::OptionBOWLe};
  MatchState& s = rig.S;
  s.RunUpStarted = true, s.RunUpCounter = 60, s.BallPace = 2;
  rig.Tick();
  EXPECT_TRUE(s.BallBowled);
  EXPECT_TRUE(s.PitchChosen);
  EXPECT_NEAR(s.PitchX, 279, 6);
  EXPECT_NEAR(s.PitchY, 279, 5);
}

// "Simulation" bowling: on run-up tick 30 the cursor jumps up the pitch by pace,
// to a random x of 201..300, and from tick 31 sweeps down at the pace's step.
TEST(GameTick, SimulationSetsTheCursorUpByPaceOnTickThirty) {
  const struct { i16 pace, startY, step; } cases[] = {{0, -40, 11}, {1, 20, 9}, {2, 80, 7}};
  for (const auto& c : cases) {
    TickRig rig{Option::OptionBOWLh};
    MatchState& s = rig.S;
    int low = 999, high = -999;
    for (int ball = 0; ball < 400; ++ball) {
      s.RunUpStarted = true, s.PitchChosen = true, s.BallPace = c.pace;
      s.RunUpCounter = 28, s.BowlCursorY = 250, s.CursorVX = 0;
      RunUpStep(rig.match, rig.D);
      ASSERT_EQ(s.BowlCursorY, 250) << "tick 29";
      RunUpStep(rig.match, rig.D);
      ASSERT_EQ(std::tuple(s.BowlCursorY, s.CursorStep), std::tuple(c.startY, c.step));
      low = std::min<int>(low, s.BowlCursorX), high = std::max<int>(high, s.BowlCursorX);
      RunUpStep(rig.match, rig.D);
      ASSERT_EQ(s.BowlCursorY, c.startY + c.step) << "tick 31";
    }
    EXPECT_EQ(std::pair(low, high), std::pair(201, 300)) << "pace " << c.pace;
  }
}

// Against the computer bowler "Simulation" sets nothing up: the computer aims.
TEST(GameTick, SimulationLeavesTheComputersAimAlone) {
  TickRig rig{Option::Option1, Option::OptionBOWLh};
  MatchState& s = rig.S;
  s.RunUpStarted = true, s.RunUpCounter = 29, s.BowlCursorY = 250, s.PitchChosen = true;
  RunUpStep(rig.match, rig.D);
  EXPECT_EQ(s.BowlCursorY, 248);
  EXPECT_EQ(s.CursorStep, 0);
}

// A bowled batsman's stumps fall over two ticks and stay down; the bowler's
// stumps, and the stumps of a ball that missed, stand.
TEST(GameTick, TheBattingStumpsFallWhenHeIsBowled) {
  for (bool bowled : {true, false}) {
    TickRig rig;
    MatchState& s = rig.S;
    s.BallBowled = true, s.Bowled = bowled, s.StumpCheckDone = true, s.BallPastBat = true;
    s.BallX = 320, s.BallY = 140, s.BallCounter = 20;
    for (int tick = 0; tick < 4; ++tick) {
      rig.Tick();
      const long long fallen = bowled ? std::min(tick + 1, 2) : 0;
      EXPECT_EQ(TilesDrawn(rig.display, rig.D.TileSetStumps),
                (std::vector<Tile>{{fallen, 320, 90}, {0, 320, 340}}))
          << (bowled ? "bowled" : "missed") << ", tick " << tick;
    }
  }
}

// The release tells the pace and spot the ball was bowled with, though the
// bowler has since pressed another pace key; the pitching is told once.
TEST(GameTick, TheReleaseAndThePitchingAreToldOnce) {
  TickRig rig;
  MatchState& s = rig.S;
  s.RunUpStarted = true, s.RunUpCounter = 60;
  s.PitchChosen = true, s.DeliveryPace = 1, s.PitchX = 288, s.PitchY = 240, s.BallPace = 2;
  for (int tick = 0; tick < 30; ++tick) rig.Tick();
  int released = 0, pitched = 0;
  for (const GameEvent& e : rig.told.heard) {
    if (e.kind == EventKind::BallReleased) {
      ++released;
      EXPECT_EQ(std::tuple(e.pace, e.pitchX, e.pitchY), std::tuple(1, 288, 240));
    }
    pitched += e.kind == EventKind::BallPitched;
  }
  EXPECT_EQ(std::pair(released, pitched), std::pair(1, 1));
}

// The pads, the stumps and the wide are told on the tick they happen, never
// again on the ticks the ball flies on.
TEST(GameTick, TheCreasesEventsAreNotToldAgain) {
  for (bool MatchState::*flag :
       {&MatchState::BallStopped, &MatchState::Bowled, &MatchState::WideCalled}) {
    TickRig rig;
    MatchState& s = rig.S;
    s.BallBowled = true, s.BallBounced = true, s.StumpCheckDone = true, s.BallPastBat = true;
    s.*flag = true;
    s.BallX = 320, s.BallY = 140, s.BallCounter = 20;
    for (int tick = 0; tick < 3; ++tick) rig.Tick();
    EXPECT_TRUE(rig.told.heard.empty()) << EventName(rig.told.heard[0].kind);
  }
}

// A ball fast enough to cross the bat's band between two ticks still meets
// the bat that was swung at it.
TEST(GameTick, AFastBallJumpingTheBatsBandIsHit) {
  TickRig rig;
  MatchState& s = rig.S;
  s.BallBowled = true, s.BallBounced = true, s.ShotPlayed = true;
  s.BallX = 300, s.BallY = 180, s.BallVX = 0, s.BallVY = -14, s.ShotVX = -3, s.ShotVY = 6;
  rig.Tick();
  ASSERT_EQ(rig.told.heard.size(), 1u);
  EXPECT_EQ(rig.told.heard[0].kind, EventKind::BatHit);
}

// What a rule asks of the world goes through the match, not through the Game:
// Tab's slow motion, the time of day for a reseed, the result at the end.
TEST(MatchEffects, RulesAskTheWorldThroughTheMatch) {
  TickRig rig;
  KeyDown(rig.match, key::kTab);
  KeyUp(rig.match, key::kTab);
  EXPECT_EQ(rig.intervals, (std::vector<i16>{400, 30}));

  // The same tick at another time of day draws otherwise: the cursor reseeds.
  const auto stateAfterTickAt = [](std::int64_t timeOfDay) {
    TickRig other{Option::OptionBOWLe};
    other.timeOfDay = timeOfDay;
    other.Tick();
    return other.Rnd.State();
  };
  EXPECT_EQ(stateAfterTickAt(1234), stateAfterTickAt(1234));
  EXPECT_NE(stateAfterTickAt(1234), stateAfterTickAt(1235));

  rig.S.FirstInnings = false;
  rig.S.Team2Runs = 5;
  rig.S.BallBowled = true;
  rig.S.BallCounter = 60;
  rig.panel.SetText(TextBox::Text3, "0");
  rig.Tick();
  EXPECT_EQ(rig.results, (std::vector<std::string>{"Team2 are the winners"}));
  EXPECT_TRUE(rig.S.QuitGame);
}

// A frame looked up outside its table is the run-time error, not a stray tile.
TEST(Animation, AnIndexOutsideItsTableIsSubscriptOutOfRange) {
  const auto errorOf = [](auto action) {
    try {
      action();
    } catch (const RuntimeError& e) {
      return e.Number();
    }
    return 0;
  };
  TickRig rig;
  MatchState& s = rig.S;
  const i16 x = s.BowlerX;
  EXPECT_EQ(errorOf([&] { BowlerFrame(s, 62); }), kErrSubscript);
  EXPECT_EQ(s.BowlerX, x) << "the bowler must not move on a failed look-up";
  EXPECT_EQ(errorOf([&] { BatsmanFrame(s, -3); }), kErrSubscript) << "stance index -1";
  s.BallBowled = s.ShotPlayed = true;
  s.ShotFrameBase = 40;
  EXPECT_EQ(errorOf([&] { BatsmanFrame(s, 39); }), kErrSubscript) << "a tick before the shot";
}

}  // namespace
