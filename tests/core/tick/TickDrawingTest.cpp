// What a tick draws and moves: the score lines, the batting marker, the bowling
// cursor in each bowling difficulty, the run-up's end, the falling stumps.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/tick/GameTick.h"
#include "core/tick/Phases.h"
#include "fakes/Fakes.h"

namespace {

using Text = std::tuple<std::string, long long, long long>;  // text, x, y
using Tile = std::tuple<long long, long long, long long>;    // tile, x, y

// Runs `during` on the first turn of a begun match's message loop, then Escape.
void InMatch(fakes::Rig& rig, const std::function<void(MatchState&)>& during) {
  rig.pump.steps = {[&] { during(rig.game.S); }};
  rig.pump.fallback = [&rig] { rig.game.Display_KeyDown(27, 0); };
  rig.game.cmdBegin_Click();
}

fakes::RecordingDisplay& Display(fakes::Rig& rig) {
  return dynamic_cast<fakes::RecordingDisplay&>(*rig.forms.lastDisplay);
}

std::vector<Text> TextsDrawn(fakes::Rig& rig) {
  std::vector<Text> texts;
  for (const auto& call : Display(rig).calls)
    if (call.op == "DrawText")
      texts.emplace_back(std::get<std::string>(call.args[0]), std::get<long long>(call.args[1]),
                         std::get<long long>(call.args[2]));
  return texts;
}

std::vector<Tile> TilesDrawn(fakes::Rig& rig, const TileSetRef& set) {
  std::vector<Tile> tiles;
  for (const auto& call : Display(rig).calls)
    if (call.op == "DrawTile" && std::get<const TileSet*>(call.args[0]) == set.get())
      tiles.emplace_back(std::get<long long>(call.args[1]), std::get<long long>(call.args[2]),
                         std::get<long long>(call.args[3]));
  return tiles;
}

void Tick(fakes::Rig& rig) {
  Display(rig).calls.clear();
  rig.game.Timer1_Timer();
}

// The batting side's score and the overs top right; in the second innings team
// 1's total to beat beneath. Each side shows its own name, runs and wickets.
TEST(GameTick, ScoreLinesShowEachSidesOwnNumbers) {
  const struct {
    bool firstInnings;
    std::vector<Text> lines;
  } cases[] = {
      {true, {{"Lions  57/3", 540, 10}, {"4.2 Overs", 540, 24}}},
      {false, {{"Tigers  41/7", 540, 10}, {"4.2 Overs", 540, 24}, {"Lions  57/3", 540, 40}}},
  };
  for (const auto& c : cases) {
    fakes::Rig rig;
    rig.forms.SetText(TextBox::Text1, "Lions");
    rig.forms.SetText(TextBox::Text2, "Tigers");
    InMatch(rig, [&](MatchState& s) {
      s.FirstInnings = c.firstInnings;
      s.Team1Runs = 57, s.Team1Wickets = 3, s.Team2Runs = 41, s.Team2Wickets = 7;
      s.OversBowled = 4, s.BallsInOver = 2;
      Tick(rig);
      const auto texts = TextsDrawn(rig);
      ASSERT_GE(texts.size(), c.lines.size());
      EXPECT_EQ(std::vector<Text>(texts.end() - static_cast<long>(c.lines.size()), texts.end()),
                c.lines)
          << (c.firstInnings ? "first innings" : "second innings");
    });
  }
}

// The marker shows where a human batsman stands; the computer bats unmarked.
TEST(GameTick, BattingMarkerOnlyForAHumanBatsman) {
  const struct {
    Option gameType;
    bool firstInnings, shown;
  } cases[] = {{Option::Option2, true, true},
               {Option::Option2, false, true},
               {Option::Option1, true, true},
               {Option::Option1, false, false}};
  for (const auto& c : cases) {
    fakes::Rig rig;
    rig.forms.Select(c.gameType);
    InMatch(rig, [&](MatchState& s) {
      s.FirstInnings = c.firstInnings;
      s.BatsmanX = 287;
      Tick(rig);
      const auto marks = TilesDrawn(rig, rig.game.D.TileSetSmallSp);
      const bool shown = std::find(marks.begin(), marks.end(), Tile{0, 287, 200}) != marks.end();
      EXPECT_EQ(shown, c.shown) << (c.gameType == Option::Option1 ? "HvC " : "HvH ")
                                << (c.firstInnings ? "first" : "second");
    });
  }
}

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
    fakes::Rig rig;
    rig.forms.Select(c.gameType);
    rig.forms.Select(c.bowling);
    InMatch(rig, [&](MatchState& s) {
      s.FirstInnings = c.firstInnings;
      s.BowlCursorY = 140;
      Tick(rig);
      EXPECT_EQ(s.BowlCursorY, c.cursorY) << static_cast<int>(c.bowling) << " " << c.firstInnings;
    });
  }
}

// The human bowler sees his cursor during the run-up, its tile the pace; the
// computer's aim is not shown.
TEST(GameTick, RunUpShowsTheCursorOnlyToAHumanBowler) {
  for (Option gameType : {Option::Option1, Option::Option2}) {
    fakes::Rig rig;
    rig.forms.Select(gameType);
    rig.forms.Select(Option::OptionBOWLe);
    InMatch(rig, [&](MatchState& s) {
      s.RunUpStarted = true, s.BallPace = 2, s.PitchChosen = true;
      Tick(rig);
      const auto cursor = TilesDrawn(rig, rig.game.D.TileSetGameSp);
      if (gameType == Option::Option2) {
        EXPECT_EQ(cursor, std::vector<Tile>{Tile(2, s.BowlCursorX, s.BowlCursorY)});
      } else {
        EXPECT_TRUE(cursor.empty());
      }
    });
  }
}

// Sixty run-up ticks take the bowler from (130, 410) to (190, 170); the 61st releases.
TEST(GameTick, TheRunUpLastsSixtyTicksThenTheBallIsReleased) {
  fakes::Rig rig;
  rig.forms.Select(Option::OptionBOWLe);  // the cursor stays where the match put it
  InMatch(rig, [&](MatchState& s) {
    s.RunUpStarted = true, s.BallPace = 2;
    for (int tick = 1; tick <= 60; ++tick) {
      Tick(rig);
      if (tick == 20) {
        EXPECT_EQ(std::get<0>(TilesDrawn(rig, rig.game.D.TileSetShots).at(0)), 2) << "stance";
      }
    }
    EXPECT_EQ(std::tuple(s.RunUpCounter, s.BowlerX, s.BowlerY), std::tuple(60, 190, 170));
    EXPECT_FALSE(s.BallBowled);
    EXPECT_FALSE(s.PitchChosen);
    Tick(rig);
    EXPECT_TRUE(s.BallBowled);
    EXPECT_FALSE(s.RunUpStarted);
    // Nobody fixed the spot: the release fixes it around the cursor (250, 250) + 29.
    EXPECT_TRUE(s.PitchChosen);
    EXPECT_NEAR(s.PitchX, 279, 6);
    EXPECT_NEAR(s.PitchY, 279, 5);
    EXPECT_EQ(TilesDrawn(rig, rig.game.D.TileSetSmallSp).at(1), Tile(3, s.PitchX, s.PitchY))
        << "pitch spot";
  });
}

// "Simulation" bowling: on run-up tick 30 the cursor jumps up the pitch by pace,
// to a random x of 201..300, and from tick 31 sweeps down at the pace's step.
TEST(GameTick, SimulationSetsTheCursorUpByPaceOnTickThirty) {
  const struct { i16 pace, startY, step; } cases[] = {{0, -40, 11}, {1, 20, 9}, {2, 80, 7}};
  for (const auto& c : cases) {
    fakes::Rig rig;
    rig.forms.Select(Option::OptionBOWLh);
    InMatch(rig, [&](MatchState& s) {
      int low = 999, high = -999;
      for (int ball = 0; ball < 400; ++ball) {
        s.RunUpStarted = true, s.PitchChosen = true, s.BallPace = c.pace;
        s.RunUpCounter = 28, s.BowlCursorY = 250, s.CursorVX = 0;
        RunUpStep(rig.game.M, rig.game.D);
        ASSERT_EQ(s.BowlCursorY, 250) << "tick 29";
        RunUpStep(rig.game.M, rig.game.D);
        ASSERT_EQ(std::tuple(s.BowlCursorY, s.CursorStep), std::tuple(c.startY, c.step));
        low = std::min<int>(low, s.BowlCursorX), high = std::max<int>(high, s.BowlCursorX);
        RunUpStep(rig.game.M, rig.game.D);
        ASSERT_EQ(s.BowlCursorY, c.startY + c.step) << "tick 31";
      }
      EXPECT_EQ(std::pair(low, high), std::pair(201, 300)) << "pace " << c.pace;
    });
  }
}

// Against the computer bowler "Simulation" sets nothing up: the computer aims.
TEST(GameTick, SimulationLeavesTheComputersAimAlone) {
  fakes::Rig rig;
  rig.forms.Select(Option::Option1);
  rig.forms.Select(Option::OptionBOWLh);
  InMatch(rig, [&](MatchState& s) {
    s.RunUpStarted = true, s.RunUpCounter = 29, s.BowlCursorY = 250, s.PitchChosen = true;
    RunUpStep(rig.game.M, rig.game.D);
    EXPECT_EQ(s.BowlCursorY, 248);
    EXPECT_EQ(s.CursorStep, 0);
  });
}

// A bowled batsman's stumps fall over two ticks and stay down; the bowler's
// stumps, and the stumps of a ball that missed, stand.
TEST(GameTick, TheBattingStumpsFallWhenHeIsBowled) {
  for (bool bowled : {true, false}) {
    fakes::Rig rig;
    InMatch(rig, [&](MatchState& s) {
      s.BallBowled = true, s.Bowled = bowled, s.StumpCheckDone = true, s.BallPastBat = true;
      s.BallX = 320, s.BallY = 140, s.BallCounter = 20;
      std::vector<std::vector<Tile>> seen;
      for (int tick = 0; tick < 4; ++tick) {
        Tick(rig);
        seen.push_back(TilesDrawn(rig, rig.game.D.TileSetStumps));
      }
      for (int tick = 0; tick < 4; ++tick) {
        const long long fallen = bowled ? std::min(tick + 1, 2) : 0;
        EXPECT_EQ(seen[tick], (std::vector<Tile>{{fallen, 320, 90}, {0, 320, 340}}))
            << (bowled ? "bowled" : "missed") << ", tick " << tick;
      }
    });
  }
}

// The information lines top left: timing + line against the danger, and the outcome.
TEST(GameTick, InfoLinesShowTheLastShotsSumsAndOutcome) {
  fakes::Rig rig;
  InMatch(rig, [&](MatchState& s) {
    s.TimingLine = 7, s.ShotDanger = 4, s.OutcomeText = "2 Runs";
    Tick(rig);
    const auto texts = TextsDrawn(rig);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0], Text("(Timing + line) - Shot Danger  = 7 - 4", 10, 10));
    EXPECT_EQ(texts[1], Text("Outcome = 2 Runs", 10, 22));
  });
}

TEST(GameTick, TheInningsBreakShowsOnlyItsMessage) {
  fakes::Rig rig;
  InMatch(rig, [&](MatchState& s) {
    s.InningsBreak = true;
    Tick(rig);
    EXPECT_EQ(TextsDrawn(rig), std::vector<Text>{Text("Swap Over : End of Innings", 240, 240)});
    for (const auto& call : Display(rig).calls) EXPECT_NE(call.op, "DrawTile");
  });
}

// A flight tick, back to front: the spinning ball behind the batsman while it
// is above row 161 and in front of him below row 160 (both between), the
// stumps, the ball's shadow, the batsman where his shot has taken him, the
// pitch spot, the bowler.
TEST(GameTick, TheFlightPictureBackToFront) {
  const struct {
    float ballY;
    bool behind, inFront;
  } cases[] = {{150.25f, true, false}, {160.5f, true, true}, {170.25f, false, true}};
  for (const auto& c : cases) {
    fakes::Rig rig;
    InMatch(rig, [&](MatchState& s) {
      s.BallBowled = s.BallBounced = s.StumpCheckDone = s.BallPastBat = s.WideCalled = true;
      s.BallX = 300.6f, s.BallY = c.ballY, s.BallSpriteY = 100;
      s.BatsmanSpriteX = 200, s.PitchX = 290, s.PitchY = 260, s.BallCounter = 20;
      s.BowlerX = 154, s.BowlerY = 170;
      Tick(rig);
      std::vector<std::string> drawn;
      const std::pair<const TileSetRef*, const char*> names[] = {
          {&rig.game.D.TileSetCBall, "ball"},
          {&rig.game.D.TileSetStumps, "stumps"},
          {&rig.game.D.TileSetSmallSp, "small"},
          {&rig.game.D.TileSetShots, "batsman"},
          {&rig.game.D.TileSetBowler, "bowler"}};
      for (const auto& call : Display(rig).calls) {
        if (call.op != "DrawTile") continue;
        for (const auto& [set, name] : names) {
          if (std::get<const TileSet*>(call.args[0]) != set->get()) continue;
          const bool spins = set == &rig.game.D.TileSetCBall;
          drawn.push_back(std::string(name) + " " +
                          (spins ? "*" : std::to_string(std::get<long long>(call.args[1]))) + " " +
                          std::to_string(std::get<long long>(call.args[2])) + "," +
                          std::to_string(std::get<long long>(call.args[3])));
        }
      }
      const int groundY = static_cast<int>(std::nearbyint(c.ballY));
      std::vector<std::string> expected;
      if (c.behind) expected.push_back("ball * 301,100");
      expected.insert(expected.end(),
                      {"stumps 0 320,90", "stumps 0 320,340",
                       "small 1 301," + std::to_string(groundY), "batsman 5 200,0"});
      if (c.inFront) expected.push_back("ball * 301,100");
      expected.insert(expected.end(), {"small 3 290,260", "bowler 38 154,170", "small 0 300,200"});
      EXPECT_EQ(drawn, expected) << "ball at row " << c.ballY;
    });
  }
}

// The spinning ball shows each of its three tiles.
TEST(GameTick, TheBallSpinsThroughItsThreeTiles) {
  fakes::Rig rig;
  InMatch(rig, [&](MatchState& s) {
    std::set<long long> tiles;
    for (int tick = 0; tick < 60; ++tick) {
      s.BallBowled = s.BallBounced = s.StumpCheckDone = s.BallPastBat = s.WideCalled = true;
      s.BallX = 300, s.BallY = 150, s.BallCounter = 20;
      Tick(rig);
      for (const Tile& t : TilesDrawn(rig, rig.game.D.TileSetCBall)) tiles.insert(std::get<0>(t));
    }
    EXPECT_EQ(tiles, (std::set<long long>{0, 1, 2}));
  });
}

// A ball lasts sixty flight ticks; on the 61st it is scored and the next one waits.
TEST(GameTick, ABallEndsAfterItsSixtiethFlightTick) {
  fakes::Rig rig;
  InMatch(rig, [&](MatchState& s) {
    s.BallBowled = s.StumpCheckDone = s.BallPastBat = true;
    s.BallX = 300, s.BallY = 100, s.BallCounter = 59;
    Tick(rig);
    EXPECT_EQ(std::tuple(s.BallBowled, s.BallsInOver), std::tuple(true, 0)) << "flight tick 60";
    Tick(rig);
    EXPECT_EQ(std::tuple(s.BallBowled, s.BallsInOver), std::tuple(false, 1)) << "flight tick 61";
  });
}

// The release tells the pace and spot the ball was bowled with, though the
// bowler has since pressed another pace key; the pitching is told once.
TEST(GameTick, TheReleaseAndThePitchingAreToldOnce) {
  fakes::Rig rig;
  fakes::EventLog ear;
  rig.game.Events.Listen(ear);
  InMatch(rig, [&](MatchState& s) {
    s.RunUpStarted = true, s.RunUpCounter = 60;
    s.PitchChosen = true, s.DeliveryPace = 1, s.PitchX = 288, s.PitchY = 240, s.BallPace = 2;
    for (int tick = 0; tick < 30; ++tick) Tick(rig);
    int released = 0, pitched = 0;
    for (const GameEvent& e : ear.heard) {
      if (e.kind == EventKind::BallReleased) {
        ++released;
        EXPECT_EQ(std::tuple(e.pace, e.pitchX, e.pitchY), std::tuple(1, 288, 240));
      }
      pitched += e.kind == EventKind::BallPitched;
    }
    EXPECT_EQ(std::pair(released, pitched), std::pair(1, 1));
  });
}

}  // namespace
