// The events a match tells, ball by ball, checked against what the board shows.
// A seeded bot plays whole "Human V Human" matches with random aims and shots;
// each ball is sorted by the state of the field when it was scored (never by its
// events), and the events it told must be the ones that kind of ball tells.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/input/KeyCodes.h"
#include "core/model/Outcome.h"
#include "fakes/Fakes.h"

namespace {

// Every event of a match, with the field as it stood when each was told.
struct Tape : EventListener {
  explicit Tape(const Game& game) : game(game) {}
  void OnEvent(const GameEvent& event) override {
    told.push_back({event, game.S, shotSeen});
    if (event.kind == EventKind::BallScored) shotSeen = false;
  }
  struct Entry {
    GameEvent event;
    MatchState field;
    bool shotSeen;  // the bat was swung at this ball (the end of a ball forgets it)
  };
  const Game& game;
  std::vector<Entry> told;
  bool shotSeen = false;
};

// Walks the batsman towards the ball's line with Z and X.
void Steer(Game& g, float gap) {
  const bool left = gap<-3, right = gap> 3;
  g.Display_KeyUp(left ? key::kX : key::kZ, 0);
  if (left || right) g.Display_KeyDown(left ? key::kZ : key::kX, 0);
  if (!left && !right) g.Display_KeyUp(key::kX, 0);
}

// Plays a match through the message loop: bowls every ball, fixes the spot at a
// random tick of the run-up, and plays a random shot (or none) as the ball comes
// past a random row, unless it has been called wide. Text3 overs an innings;
// ends the program at the result.
void PlayMatch(fakes::Rig& rig, Tape& tape, unsigned seed, const char* overs) {
  rig.forms.SetText(TextBox::Text3, overs);
  std::mt19937 random(seed);
  const i16 shots[] = {key::kJ, key::kN, key::kM, key::kK, key::kH};
  int fixAt = 0;
  float shotRow = 0;
  i16 shot = 0;
  rig.pump.fallback = [&] {
    Game& g = rig.game;
    const MatchState& s = g.S;
    if (rig.forms.resultShown) return g.Display_KeyDown(key::kEscape, 0);
    if (s.InningsBreak) g.Display_KeyDown(key::kSpace, 0);
    if (!s.RunUpStarted && !s.BallBowled) {
      g.Display_KeyDown(key::kPad1 + static_cast<i16>(random() % 3), 0);
      g.Display_KeyDown(key::kPad5, 0);
      fixAt = 1 + static_cast<int>(random() % 60);
      shotRow = 180.0f + static_cast<float>(random() % 60);
      shot = random() % 4 == 0 ? 0 : shots[random() % 5];
    }
    if (s.RunUpStarted && s.RunUpCounter == fixAt) g.Display_KeyDown(key::kPad5, 0);
    if (s.BallBowled) Steer(g, s.BallX - static_cast<float>(s.BatsmanX));
    if (s.BallBowled && s.BallY < shotRow && !s.WideCalled && shot != 0) {
      g.Display_KeyDown(std::exchange(shot, 0), 0);
    }
    tape.shotSeen |= s.ShotPlayed;
    g.Timer1_Timer();
  };
  rig.game.cmdBegin_Click();
}

// What kind of ball it was, read off the field when it was scored.
std::string KindOf(const Tape::Entry& scored) {
  const MatchState& f = scored.field;
  if (f.WideBall) return "wide";
  if (f.Bowled) return scored.shotSeen ? "played and bowled" : "bowled";
  if (f.OutcomeText == TextOf(Outcome::Caught)) return "caught";
  if (f.BallStopped) return "pads";
  if (f.OutcomeText == TextOf(Outcome::FourRuns)) return "four";
  if (f.OutcomeText == TextOf(Outcome::NoRun)) return "block";
  if (!f.OutcomeText.empty()) return "runs";
  return scored.shotSeen ? "played and missed" : "dot";
}

// The events of one ball, from the run-up to its scoring; the pitching of the
// ball and shot keys pressed out of time are left out (they can come anywhere).
struct Ball {
  std::vector<std::string> names;
  Tape::Entry scored;
};

std::vector<Ball> BallsOf(const Tape& tape) {
  std::vector<Ball> balls;
  std::vector<std::string> names;
  for (const auto& entry : tape.told) {
    const EventKind kind = entry.event.kind;
    if (kind == EventKind::BallPitched || kind == EventKind::ShotMissedWindow) continue;
    if (kind == EventKind::InningsEnded || kind == EventKind::MatchEnded) continue;
    names.emplace_back(EventName(kind));
    if (kind == EventKind::BallScored) balls.push_back({std::exchange(names, {}), entry});
  }
  return balls;
}

using Names = std::vector<std::string>;
const Names kStart = {"run_up_started", "ball_released"};
Names Then(Names tail) {
  Names all = kStart;
  all.insert(all.end(), tail.begin(), tail.end());
  return all;
}

}  // namespace

TEST(EventStream, EachKindOfBallTellsItsEventsInPlayOrder) {
  const std::map<std::string, Names> expected = {
      {"four", Then({"shot_played", "bat_hit", "ball_scored"})},
      {"runs", Then({"shot_played", "bat_hit", "ball_scored"})},
      {"block", Then({"shot_played", "bat_hit", "ball_scored"})},
      {"caught", Then({"shot_played", "bat_hit", "ball_scored"})},
      {"played and missed", Then({"shot_played", "ball_scored"})},
      {"played and bowled", Then({"shot_played", "stumps_hit", "ball_scored"})},
      {"bowled", Then({"stumps_hit", "ball_scored"})},
      {"pads", Then({"pads", "ball_scored"})},
      {"wide", Then({"wide", "ball_scored"})},
      {"dot", Then({"ball_scored"})},
  };
  std::map<std::string, int> seen;
  for (unsigned seed = 1; seed <= 8; ++seed) {
    fakes::Rig rig;
    Tape tape(rig.game);
    rig.game.Events.Listen(tape);
    PlayMatch(rig, tape, seed, "5");
    for (const Ball& ball : BallsOf(tape)) {
      const std::string kind = KindOf(ball.scored);
      ++seen[kind];
      // A ball the bat sends on to the stumps is bowled too: played on.
      if (kind == "played and bowled" &&
          ball.names == Then({"shot_played", "bat_hit", "stumps_hit", "ball_scored"}))
        ++seen["played on"];
      else
        EXPECT_EQ(ball.names, expected.at(kind)) << kind << ", seed " << seed;
    }
  }
  for (const auto& [kind, names] : expected) EXPECT_GT(seen[kind], 0) << "no ball was " << kind;
}

// The tenth wicket and the last ball of the match close their innings on the
// ball itself: ball_scored, then innings_ended, then (at the end) match_ended
// with the result dialog's line, all in the same tick.
TEST(EventStream, InningsAndMatchEndsFollowTheirLastBall) {
  fakes::Rig rig;
  Tape tape(rig.game);
  rig.game.Events.Listen(tape);
  PlayMatch(rig, tape, 3, "1000");  // no over limit to speak of: each side bats until all out
  std::vector<const Tape::Entry*> ends;
  for (const auto& entry : tape.told)
    if (entry.event.kind == EventKind::InningsEnded || entry.event.kind == EventKind::MatchEnded)
      ends.push_back(&entry);
  ASSERT_EQ(ends.size(), 3u);
  for (int innings = 1; innings <= 2; ++innings) {
    const Tape::Entry& end = *ends[static_cast<std::size_t>(innings - 1)];
    EXPECT_EQ(end.event.innings, innings);
    const auto it = std::find_if(tape.told.begin(), tape.told.end(),
                                 [&](const Tape::Entry& e) { return &e == &end; });
    const GameEvent& last = std::prev(it)->event;
    EXPECT_EQ(last.kind, EventKind::BallScored);
    EXPECT_TRUE(last.wicket);
    EXPECT_EQ(last.teamWickets, 10);
    EXPECT_EQ(last.tick, end.event.tick);
  }
  EXPECT_EQ(ends[2]->event.kind, EventKind::MatchEnded);
  EXPECT_EQ(ends[2]->event.result, rig.forms.resultLine);
  EXPECT_EQ(ends[2]->event.tick, ends[1]->event.tick);
}

TEST(EventStream, TicksCountFromBeginAndKeysTellTheTickTheyCameIn) {
  fakes::Rig rig;
  Tape tape(rig.game);
  rig.game.Events.Listen(tape);
  const auto tick = [&] { rig.game.Timer1_Timer(); };
  rig.pump.steps = {tick, tick, tick};
  rig.pump.fallback = [&] { rig.game.Display_KeyDown(key::kEscape, 0); };
  rig.game.cmdBegin_Click();
  rig.pump.steps = {tick, tick, [&] { rig.game.Display_KeyDown(key::kPad5, 0); }};
  rig.pump.next = 0;
  rig.forms.Load();
  rig.game.cmdBegin_Click();  // a second match counts from 0 again
  ASSERT_EQ(tape.told.size(), 1u);
  EXPECT_EQ(tape.told[0].event.kind, EventKind::RunUpStarted);
  EXPECT_EQ(tape.told[0].event.tick, 2);
}

// Every listener hears each tick and each event, in the order it was added,
// until it stops listening.
TEST(EventStream, ListenersHearTicksAndEventsUntilTheyStop) {
  struct Ear : EventListener {
    Ear(std::vector<std::string>& log, char name) : log(log), name(name) {}
    void OnEvent(const GameEvent& e) override {
      log.push_back(name + std::string(" ") + std::string(EventName(e.kind)) + "@" +
                    std::to_string(e.tick));
    }
    void OnTick(int tick) override {
      log.push_back(name + std::string(" tick ") + std::to_string(tick));
    }
    std::vector<std::string>& log;
    char name;
  };
  std::vector<std::string> log;
  Ear a(log, 'a'), b(log, 'b');
  EventStream stream;
  stream.Listen(a);
  stream.Listen(b);
  stream.NextTick();
  stream.Tell(GameEvent{.kind = EventKind::Pads});
  stream.StopListening(a);
  stream.NextTick();
  stream.Tell(GameEvent{.kind = EventKind::Wide});
  EXPECT_EQ(log, (std::vector<std::string>{"a tick 1", "b tick 1", "a pads@1", "b pads@1",
                                           "b tick 2", "b wide@2"}));
}
