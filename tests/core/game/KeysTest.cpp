// Every key the game knows, by its virtual-key code: what a press and a release
// do, and which side's keys act in each innings of each game type.
#include <gtest/gtest.h>

#include <string>

#include "core/input/Keyboard.h"
#include "fakes/Fakes.h"

namespace {

// The part of the match a key can change. A press starts from these values.
struct Seen {
  bool left = false, right = false, up = false, down = false;  // arrows held
  bool batLeft = false, batRight = false;                      // Z, X held
  int pace = 7;                                                // no pace yet
  bool runUp = false;
  int shotKey = 9;  // no shot chosen yet
  bool shotPlayed = false;
  bool inningsBreak = true;
  int interval = 1;
  bool quit = false;
  bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
  return out << "arrows " << s.left << s.right << s.up << s.down << " ZX " << s.batLeft
             << s.batRight << " pace " << s.pace << " run-up " << s.runUp << " shot " << s.shotKey
             << (s.shotPlayed ? " played" : "") << " break " << s.inningsBreak << " timer "
             << s.interval << " quit " << s.quit;
}

Seen SeenIn(const fakes::MatchRig& rig) {
  const MatchState& s = rig.S;
  const int interval = rig.intervals.empty() ? 1 : rig.intervals.back();
  return {s.LeftHeld,     s.RightHeld, s.UpHeld,       s.DownHeld, s.BatLeftHeld,
          s.BatRightHeld, s.BallPace,  s.RunUpStarted, s.ShotKey,  s.ShotPlayed,
          s.InningsBreak, interval,    s.QuitGame};
}

// A rig waiting for the next ball in the given innings; with `ballComing` the
// ball is instead in flight, in front of the batsman, inside the hitting window.
struct KeyRig : fakes::MatchRig {
  KeyRig(Option gameType, bool firstInnings, bool ballComing = false) {
    panel.Select(gameType);
    const Seen start;
    MatchState& s = S;
    s.FirstInnings = firstInnings;
    s.BallPace = static_cast<i16>(start.pace), s.ShotKey = static_cast<i16>(start.shotKey);
    s.InningsBreak = start.inningsBreak;
    s.BallBowled = ballComing;
    s.BallX = 300, s.BallY = 200, s.BatsmanX = 300, s.BallCrossX = 300, s.PitchY = 230;
  }
};

struct Press {
  i16 code;
  Seen after;
};

TEST(Keys, EachKeyPressedBetweenTwoHumans) {
  const Press presses[] = {
      {37, {.left = true}},
      {39, {.right = true}},
      {38, {.up = true}},
      {40, {.down = true}},
      {90, {.batLeft = true}},
      {88, {.batRight = true}},
      {97, {.pace = 2}},
      {98, {.pace = 1}},
      {99, {.pace = 0}},
      {101, {.runUp = true}},
      {32, {.shotKey = 0, .inningsBreak = false}},  // Space ends the break, then blocks
      {78, {.shotKey = 1}},                         // chosen, not played: no ball is coming
      {9, {.interval = 400}},
      {27, {.quit = true}},
      {65, {}},  // a key the game does not use
  };
  for (const Press& p : presses) {
    KeyRig rig(Option::Option2, true);
    KeyDown(rig.match, p.code);
    EXPECT_EQ(SeenIn(rig), p.after) << "key " << p.code;
  }
}

TEST(Keys, EachShotKeyPlaysItsShotAtABallInTheWindow) {
  const Press presses[] = {{32, {.shotKey = 0, .shotPlayed = true, .inningsBreak = false}},
                           {74, {.shotKey = 0, .shotPlayed = true}},
                           {78, {.shotKey = 1, .shotPlayed = true}},
                           {77, {.shotKey = 2, .shotPlayed = true}},
                           {75, {.shotKey = 3, .shotPlayed = true}},
                           {72, {.shotKey = 4, .shotPlayed = true}}};
  for (const Press& p : presses) {
    KeyRig rig(Option::Option2, true, true);
    KeyDown(rig.match, p.code);
    EXPECT_EQ(SeenIn(rig), p.after) << "key " << p.code;
    EXPECT_EQ(rig.S.ShotCode, p.after.shotKey) << "key " << p.code;
  }
}

// A release forgets only its own key; releasing Tab runs the game at 30 ms a tick.
TEST(Keys, EachReleaseForgetsOnlyItsOwnKey) {
  const Seen held{.left = true,
                  .right = true,
                  .up = true,
                  .down = true,
                  .batLeft = true,
                  .batRight = true,
                  .interval = 400};
  const struct {
    i16 code;
    bool Seen::*forgotten;
  } releases[] = {{37, &Seen::left},    {39, &Seen::right},    {38, &Seen::up}, {40, &Seen::down},
                  {90, &Seen::batLeft}, {88, &Seen::batRight}, {9, nullptr},    {65, nullptr}};
  for (const auto& r : releases) {
    KeyRig rig(Option::Option2, true);
    MatchState& s = rig.S;
    s.LeftHeld = s.RightHeld = s.UpHeld = s.DownHeld = s.BatLeftHeld = s.BatRightHeld = true;
    rig.intervals = {400};
    KeyUp(rig.match, r.code);
    Seen expected = held;
    if (r.forgotten) expected.*r.forgotten = false;
    if (r.code == 9) expected.interval = 30;
    EXPECT_EQ(SeenIn(rig), expected) << "key " << r.code;
  }
}

// Against the computer the human bats first, then bowls: only that side's keys act.
TEST(Keys, AgainstTheComputerOnlyTheHumanSidesKeysAct) {
  const struct {
    bool firstInnings, ballComing;
    Press press;
  } cases[] = {
      {true, false, {37, {}}},
      {true, false, {90, {.batLeft = true}}},
      {true, false, {97, {}}},
      {true, false, {101, {}}},
      {true, false, {32, {.runUp = true, .inningsBreak = false}}},  // Space calls for the ball
      {true, true, {78, {.shotKey = 1, .shotPlayed = true}}},
      {false, false, {37, {.left = true}}},
      {false, false, {90, {}}},
      {false, false, {97, {.pace = 2}}},
      {false, false, {101, {.runUp = true}}},
      {false, true, {78, {.shotKey = 1}}},  // chosen, never played: the computer bats
      // Space has no side gate: it blocks for the computer's batsman.
      {false, true, {32, {.shotKey = 0, .shotPlayed = true, .inningsBreak = false}}},
  };
  for (const auto& c : cases) {
    KeyRig rig(Option::Option1, c.firstInnings, c.ballComing);
    KeyDown(rig.match, c.press.code);
    EXPECT_EQ(SeenIn(rig), c.press.after)
        << "key " << c.press.code << (c.firstInnings ? ", first innings" : ", second innings");
  }
}

// A lost surface or a new match forgets the held keys whose key-ups may never come.
TEST(Keys, ReleasingHeldKeysForgetsArrowsAndOnlyThenZAndX) {
  for (bool all : {false, true}) {
    KeyRig rig(Option::Option2, true);
    MatchState& s = rig.S;
    s.LeftHeld = s.RightHeld = s.UpHeld = s.DownHeld = s.BatLeftHeld = s.BatRightHeld = true;
    all ? ReleaseHeldKeys(s) : ReleaseArrowKeys(s);
    EXPECT_EQ(SeenIn(rig), (Seen{.batLeft = !all, .batRight = !all})) << all;
  }
}

}  // namespace
