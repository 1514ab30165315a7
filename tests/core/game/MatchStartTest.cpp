// Begin, the match loop, the close-down and the ways a match can go wrong.
#include <gtest/gtest.h>

#include <tuple>

#include "fakes/Fakes.h"

namespace {

using fakes::Rig;

// Runs Begin with a message loop that performs `steps` and then presses Escape.
void BeginThenEscape(Rig& rig, std::vector<std::function<void()>> steps = {}) {
  rig.pump.steps = std::move(steps);
  rig.pump.fallback = [&rig] { rig.game.Display_KeyDown(27, 0); };
  rig.game.cmdBegin_Click();
}

std::vector<std::string> Ops(const fakes::RecordingDisplay& display) {
  std::vector<std::string> ops;
  for (const auto& call : display.calls) ops.push_back(call.op);
  return ops;
}

struct ThrowingDisplay : fakes::RecordingDisplay {
  void ShowFrame() override {
    ++shown;
    RaiseError(kErrSubscript);
  }
  int shown = 0;
};

}  // namespace

TEST(MatchStart, EscapeClosesTheMatchAndUnloadsTheForm) {
  Rig rig;
  rig.forms.SetText(TextBox::Text4, "3.5");
  BeginThenEscape(rig, {[&] {
                    EXPECT_EQ(rig.timer.Interval(), 4);
                    EXPECT_TRUE(rig.timer.Enabled());
                  }});
  EXPECT_FALSE(rig.timer.Enabled());
  EXPECT_FALSE(rig.forms.loaded);
  EXPECT_FALSE(rig.forms.resultShown);
  auto& display = dynamic_cast<fakes::RecordingDisplay&>(*rig.forms.lastDisplay);
  EXPECT_FALSE(display.open);
  EXPECT_EQ(rig.pictures.loaded,
            (std::vector<std::string>{"all.bmp", "GAMESP.bmp", "smallsp.bmp", "cball.bmp",
                                      "bowler.bmp", "stumps.bmp", "shots256.bmp"}));
  EXPECT_EQ(Ops(display).front(), "OpenDisplay");
  EXPECT_EQ(Ops(display).back(), "CloseDisplay");
}

TEST(MatchStart, BeginDuringAMatchDoesNothing) {
  Rig rig;
  BeginThenEscape(rig, {[&] {
                    const auto display = rig.forms.lastDisplay;
                    rig.game.cmdBegin_Click();
                    EXPECT_EQ(rig.forms.lastDisplay, display);
                    EXPECT_EQ(rig.pictures.loaded.size(), 7u);
                    EXPECT_TRUE(rig.game.MatchRunning());
                  }});
}

TEST(MatchStart, TheLoopTestsQuitGameOnlyAfterEachYield) {
  Rig rig;
  rig.game.S.QuitGame = true;  // left over: Begin clears it before looping
  BeginThenEscape(rig, {[] {}, [] {}});
  EXPECT_EQ(rig.pump.yields, 3);
}

TEST(MatchStart, StartingValuesAndCursorAcceleration) {
  const struct {
    Option bowling;
    i16 accel;
  } cases[] = {{Option::OptionBOWLe, 1}, {Option::OptionBOWLh, 1}, {Option::OptionBOWLn, 0}};
  for (const auto& c : cases) {
    Rig rig;
    rig.forms.Select(c.bowling);
    MatchState& held = rig.game.S;  // arrows whose key-ups the last match never heard
    held.LeftHeld = held.RightHeld = held.UpHeld = held.DownHeld = true;
    BeginThenEscape(rig, {[&] {
                      const MatchState& s = rig.game.S;
                      EXPECT_FALSE(s.LeftHeld || s.RightHeld || s.UpHeld || s.DownHeld);
                      EXPECT_EQ(s.CursorAccel, c.accel);
                      EXPECT_EQ(std::tuple(s.BowlCursorX, s.BowlCursorY), std::tuple(250, 250));
                      EXPECT_EQ(s.BatsmanX, 300);
                      EXPECT_EQ(s.BallCrossX, 300);
                      EXPECT_EQ(s.BowlerY, 410);
                      EXPECT_TRUE(s.FirstInnings);
                      EXPECT_EQ(s.RunUpFrames[60], 32);
                      EXPECT_FALSE(rig.forms.beginEnabled);
                    }});
  }
}

// The game delay is rounded to a whole number of milliseconds, 0 to 32767; the
// overs need only be a number. Anything else is refused before the match.
TEST(MatchStart, TheAcceptedExtremesOfThePanelValues) {
  const struct {
    const char *overs, *delay;
    int interval;  // -1: refused with `message`
    const char* message;
  } cases[] = {
      {"1", "32767", 32767, ""},
      {"1", "32767.4", 32767, ""},
      {"1", "32767.5", -1, "Game Delay (ms) must be a whole number from 0 to 32767"},
      {"1", "0", 0, ""},
      {"1", "-0.5", 0, ""},
      {"1", "-0.6", -1, "Game Delay (ms) must be a whole number from 0 to 32767"},
      {"1", "2.6", 3, ""},
      {"0.5", "1", 1, ""},
      {"two", "1", -1, "Number Of Overs must be a number"},
  };
  for (const auto& c : cases) {
    Rig rig;
    rig.forms.SetText(TextBox::Text3, c.overs);
    rig.forms.SetText(TextBox::Text4, c.delay);
    int interval = -1;
    BeginThenEscape(rig, {[&] { interval = rig.timer.Interval(); }});
    EXPECT_EQ(interval, c.interval) << c.overs << " overs, " << c.delay << " ms";
    const std::vector<std::string> messages =
        c.interval < 0 ? std::vector<std::string>{c.message} : std::vector<std::string>{};
    EXPECT_EQ(rig.forms.messages, messages) << c.overs << " overs, " << c.delay << " ms";
  }
}

// The generator is seeded from the clock when the program starts, so two runs differ.
TEST(MatchStart, TheGeneratorIsSeededFromTheClockAtStart) {
  const auto stateAt = [](std::int64_t ms) {
    fakes::FakeForms forms;
    fakes::ManualTimer timer;
    fakes::FakePictures pictures;
    fakes::FixedClock clock;
    fakes::ScriptedPump pump;
    clock.ms = ms;
    Game game{Ports{&forms, &timer, &pictures, &clock, &pump}};
    return game.Rnd.State();
  };
  EXPECT_NE(stateAt(1000), stateAt(2000));
  EXPECT_NE(stateAt(1000), Random().State());
}

// The match keeps its own time of day, a game delay a tick, and like a clock
// it goes round at midnight.
TEST(MatchStart, TheMatchClockGoesRoundAtMidnight) {
  Rig rig;
  rig.clock.ms = 86'399'990;
  rig.forms.SetText(TextBox::Text4, "50");
  std::int64_t after = -1;
  BeginThenEscape(rig, {[&rig, &after] {
                    rig.game.Timer1_Timer();
                    after = rig.game.M.TimeOfDay();
                  }});
  EXPECT_EQ(after, 40);
}

TEST(MatchStart, BadBitmapsAreNamedAndTheFormIsKept) {
  const struct {
    const char* file;
    std::function<void(fakes::FakePictures&)> spoil;
    const char* expected;
  } cases[] = {
      {"cball.bmp", [](auto& p) { p.sizes.erase("cball.bmp"); }, "cball.bmp is missing"},
      {"stumps.bmp", [](auto& p) { p.notPictures.insert("stumps.bmp"); },
       "stumps.bmp is not a picture"},
      {"bowler.bmp",
       [](auto& p) {
         p.sizes["bowler.bmp"] = {151, 240 * 38};
       },
       "bowler.bmp is too small"},
      {"all.bmp",
       [](auto& p) {
         p.sizes["all.bmp"] = {639, 480};
       },
       "all.bmp is too small"},
  };
  for (const auto& c : cases) {
    Rig rig;
    c.spoil(rig.pictures);
    rig.forms.SetText(TextBox::Text1, "Kept");
    rig.game.cmdBegin_Click();
    ASSERT_EQ(rig.forms.messages.size(), 1u) << c.file;
    EXPECT_NE(rig.forms.messages[0].find(c.expected), std::string::npos) << rig.forms.messages[0];
    EXPECT_TRUE(rig.forms.loaded);
    EXPECT_TRUE(rig.forms.beginEnabled);
    EXPECT_EQ(rig.forms.Text(TextBox::Text1), "Kept");
    EXPECT_FALSE(rig.timer.Enabled());
    EXPECT_EQ(rig.pump.yields, 0);
    EXPECT_FALSE(dynamic_cast<fakes::RecordingDisplay&>(*rig.forms.lastDisplay).open);
  }
}

TEST(MatchStart, ErrorInATickClosesTheMatchCleanly) {
  Rig rig;
  rig.forms.displayFactory = [](DisplayEvents&) { return std::make_shared<ThrowingDisplay>(); };
  rig.pump.steps = {[&] {
    rig.game.S.Team1Runs = 7;
    rig.game.S.InningsBreak = true;
    rig.game.S.ShotPlayed = rig.game.S.BatLeftHeld = rig.game.S.BatRightHeld = true;
    rig.game.Display_KeyDown(37, 0);
    rig.game.Timer1_Timer();
    rig.game.Display_KeyDown(97, 0);  // after the error nothing more is handled
    rig.game.Timer1_Timer();
  }};
  rig.game.cmdBegin_Click();
  EXPECT_EQ(rig.forms.messages, std::vector<std::string>{"Subscript out of range"});
  EXPECT_EQ(dynamic_cast<ThrowingDisplay&>(*rig.forms.lastDisplay).shown, 1) << "ticked on";
  EXPECT_TRUE(rig.forms.loaded);
  EXPECT_TRUE(rig.forms.beginEnabled);
  EXPECT_FALSE(rig.timer.Enabled());
  EXPECT_FALSE(rig.game.MatchRunning());
  EXPECT_EQ(rig.game.S.Team1Runs, 0);
  EXPECT_FALSE(rig.game.S.InningsBreak);
  EXPECT_FALSE(rig.game.S.LeftHeld || rig.game.S.BatLeftHeld || rig.game.S.BatRightHeld);
  EXPECT_FALSE(rig.game.S.ShotPlayed);
  EXPECT_EQ(rig.game.S.BallPace, 0);
  // Ready for the next Begin.
  rig.forms.displayFactory = nullptr;
  BeginThenEscape(rig);
  EXPECT_FALSE(rig.forms.loaded);
}

TEST(MatchStart, ContinueResetsTheScoreAndBringsAFreshPanel) {
  Rig rig;
  rig.forms.ShowResult("Team1 are the winners");
  rig.forms.UnloadOptions();
  rig.game.S.Team2Runs = 12;
  rig.game.S.FirstInnings = false;
  rig.game.Command1_Click();
  EXPECT_TRUE(rig.forms.loaded);
  EXPECT_FALSE(rig.forms.resultShown);
  EXPECT_EQ(rig.forms.Text(TextBox::Text3), "1");
  EXPECT_EQ(rig.game.S.Team2Runs, 0);
  EXPECT_TRUE(rig.game.S.FirstInnings);
}

TEST(TileSetRecovery, OnlyTheBackgroundIsRestoredAndAFailureClearsTheArrows) {
  const struct {
    i16 index;
    bool allBmpMissing;
    std::vector<std::string> ops;
    bool arrowsKept;
  } cases[] = {
      {0, false, {"Restore", "ReloadPicture"}, true},  // the background
      {3, false, {}, true},                            // the ball: left to the display
      {0, true, {"Restore"}, false},                   // all.BMP gone
      {7, false, {}, false},                           // no such tile set
      {9, false, {}, false},
      {-1, false, {}, false},
  };
  for (const auto& c : cases) {
    Rig rig;
    BeginThenEscape(rig, {[&] {
                      auto& display =
                          dynamic_cast<fakes::RecordingDisplay&>(*rig.forms.lastDisplay);
                      display.calls.clear();
                      if (c.allBmpMissing) rig.pictures.sizes.erase("all.bmp");
                      rig.game.S.UpHeld = rig.game.S.RightHeld = rig.game.S.BatLeftHeld = true;
                      rig.game.Display_TileSetLost(c.index);
                      EXPECT_EQ(Ops(display), c.ops) << c.index;
                      EXPECT_EQ(rig.game.S.UpHeld && rig.game.S.RightHeld, c.arrowsKept) << c.index;
                      EXPECT_TRUE(rig.game.S.BatLeftHeld)
                          << c.index << ": Z is the batsman's, never forgotten here";
                    }});
  }
}

TEST(TileSetRecovery, ReloadsTheBackgroundFromAllBmpInAnyCase) {
  Rig rig;
  BeginThenEscape(rig, {[&] {
                    rig.pictures.loaded.clear();
                    rig.game.Display_TileSetLost(0);
                    EXPECT_EQ(rig.pictures.loaded, std::vector<std::string>{"all.BMP"});
                  }});
}
