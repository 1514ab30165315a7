// A hosting session against a scripted other machine: meeting, the version
// check, and every way a hostile or broken peer can end the match, with the
// game left running and ready for the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <utility>

#include "fakes/Fakes.h"
#include "net/Session.h"

namespace net {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct MemoryLink : Link {
  void Send(const Bytes& bytes, Delivery) override {
    sent.push_back(*Decode(bytes.data(), bytes.size()));
  }
  void Service(int, std::vector<Bytes>& received) override {
    received.insert(received.end(), inbox.begin(), inbox.end());
    inbox.clear();
  }
  LinkState State() const override { return state; }
  std::string PeerAddress() const override { return "192.0.2.7"; }
  std::uint64_t BytesSent() const override { return 0; }
  std::uint64_t BytesReceived() const override { return 0; }
  void Close() override { state = LinkState::Closed; }
  void Drop() override { state = LinkState::Closed; }

  std::vector<Bytes> inbox;
  std::vector<Message> sent;
  LinkState state = LinkState::Connected;
};

constexpr int kDelay = 2;

// The host's game and session; the test speaks for the joining machine.
struct HostingRig {
  HostingRig() {
    auto owned = std::make_unique<MemoryLink>();
    link = owned.get();
    SessionOptions options;
    options.host = true;
    options.delay = kDelay;
    session.emplace(rig.game, std::move(owned), options);
    session->showSettings = [this](const MatchSettings& m) { shown = m; };
  }
  void Hear(const Message& m) { link->inbox.push_back(Encode(m)); }
  void Meet() {
    Hear(Hello{kProtocolVersion, "1.0", false, "Tigers"});
    session->Service(0);
  }
  // Plays the match, the joining machine sending a tick each yield (empty
  // unless `lines` says otherwise, bowling a ball from yield 10), answering
  // each of our checks with its own hash (`tampered`: another), and `act` at
  // yield `at`, until the match stops (or Escape after 400 yields).
  void Play(int at, const std::function<void()>& act) {
    Meet();
    session->Started();
    std::uint32_t next = kDelay + 1;
    rig.pump.fallback = [&, at] {
      const long yield = rig.pump.yields;
      if (yield == at) act();
      if (everyYield) everyYield(yield);
      if (yield > 400) rig.game.Display_KeyDown(27, 0);
      if (yield == 10 || yield == 40) lines = {"down 101", "up 101"};  // run up, then the spot
      Hear(TickInputs{next++, std::exchange(lines, {})});
      for (; answered < link->sent.size(); ++answered)
        if (const auto* check = std::get_if<BallCheck>(&link->sent[answered]))
          Hear(BallCheck{check->ball, check->hash ^ (tampered ? 1 : 0)});
      session->Service(0);
      rig.game.Timer1_Timer();
    };
    rig.game.cmdBegin_Click();
  }

  fakes::Rig rig;
  MemoryLink* link = nullptr;
  std::optional<Session> session;
  std::optional<MatchSettings> shown;
  std::vector<std::string> lines;
  std::size_t answered = 0;
  bool tampered = false;
  std::function<void(long)> everyYield;
};

TEST(Session, TheHostSendsItsPanelWithTheJoiningTeamAsTeam2) {
  HostingRig h;
  h.rig.forms.SetText(TextBox::Text3, "2");
  h.Meet();
  EXPECT_EQ(h.session->CurrentStage(), Stage::Ready);
  ASSERT_TRUE(h.shown);
  EXPECT_EQ(h.shown->team2, "Tigers");
  EXPECT_EQ(h.shown->overs, "2");
  EXPECT_EQ(h.shown->inputDelay, kDelay);
  EXPECT_EQ(h.shown->generator, h.rig.game.Rnd.State());
  EXPECT_TRUE(std::holds_alternative<Hello>(h.link->sent.front()));
}

// A lost surface whose recovery fails touches the match on both machines or
// neither: the host bats, so the joining bowler's arrow stays held.
TEST(Session, AFailedRecoveryLeavesTheOtherMachinesArrowsAlone) {
  HostingRig h;
  bool held = false;
  h.everyYield = [&h, &held](long yield) {
    if (yield == 20) h.lines = {"down 37"};
    if (yield == 30) h.rig.game.Display_TileSetLost(99);  // no such set: the recovery fails
    if (yield == 35) held = h.rig.game.S.LeftHeld;
  };
  h.Play(-1, [] {});
  EXPECT_TRUE(held);
}

TEST(Session, AGameDelayOf0IsRefusedAtTheMeeting) {
  HostingRig h;
  h.rig.forms.SetText(TextBox::Text4, "0");
  h.Meet();
  EXPECT_EQ(h.session->EndMessage(), "A match over the network needs a Game Delay above 0");
}

TEST(Session, AnotherProtocolVersionIsRefusedByName) {
  HostingRig h;
  h.Hear(Hello{kProtocolVersion + 1, "9.9", false, "Tigers"});
  h.session->Service(0);
  EXPECT_EQ(h.session->CurrentStage(), Stage::Ended);
  EXPECT_EQ(h.session->EndMessage(), "The other game is version 9.9");
}

TEST(Session, AHostilePeerEndsTheMatchWithAMessageAndTheGameGoesOn) {
  const struct {
    const char* what;
    std::function<void(HostingRig&)> act;
    const char* message;
  } cases[] = {
      {"a tick out of order",
       [](HostingRig& h) {
         h.Hear(TickInputs{9999, {}});
       },
       "Disconnected: the other game sent ticks out of order"},
      {"the batsman's Z from the bowling side", [](HostingRig& h) { h.lines = {"down 90"}; },
       "Disconnected: the other game sent keys for a role it does not hold"},
      {"a shot (Space) from the bowling side", [](HostingRig& h) { h.lines = {"down 32"}; },
       "Disconnected: the other game sent keys for a role it does not hold"},
      {"a flood",
       [](HostingRig& h) {
         h.link->inbox.assign(1001, Encode(Ping{1, true}));
       },
       "Disconnected: the other game flooded the link"},
      {"another hash after a ball", [](HostingRig& h) { h.tampered = true; },
       "The two games disagree"},
      {"a goodbye",
       [](HostingRig& h) {
         h.Hear(Bye{ByeReason::Left, 0});
       },
       "The other player left"},
  };
  for (const auto& c : cases) {
    HostingRig h;
    h.Play(50, [&] { c.act(h); });
    EXPECT_EQ(h.rig.forms.messages, std::vector<std::string>{c.message}) << c.what;
    EXPECT_TRUE(h.rig.forms.loaded && h.rig.forms.beginEnabled) << c.what;
    EXPECT_FALSE(h.rig.game.MatchRunning()) << c.what;
  }
}

// The yield at whose start the host's first innings break has begun, in a
// match of a ball an innings.
long FirstBreakBegins() {
  HostingRig h;
  h.rig.forms.SetText(TextBox::Text3, "0");
  long begins = -1;
  h.everyYield = [&h, &begins](long yield) {
    if (begins < 0 && h.rig.game.S.InningsBreak) begins = yield;
  };
  h.Play(-1, [] {});
  return begins;
}

// The bowling side may end the innings break with Space, judged by the
// moment it pressed: from the break's first tick, never the tick before.
TEST(Session, SpaceFromTheBowlingSideCountsFromTheBreaksFirstTick) {
  const long begins = FirstBreakBegins();
  ASSERT_GT(begins, 40);
  for (const auto& [yield, refused] : {std::pair{begins - 1, true}, std::pair{begins, false}}) {
    HostingRig h;
    h.rig.forms.SetText(TextBox::Text3, "0");
    h.Play(yield, [&h] { h.lines = {"down 32", "up 32"}; });
    EXPECT_EQ(h.rig.forms.messages.empty(), !refused) << "Space at yield " << yield;
  }
}

TEST(Session, MalformedDatagramsAreDroppedAndCountedAndPlayGoesOn) {
  HostingRig h;
  h.Play(50, [&] {
    for (int i = 0; i < 100; ++i) h.link->inbox.push_back({99, 1, 2});
    h.lines = {"down 37", "sideways 3"};  // an arrow, fine for the bowler, and nonsense
  });
  EXPECT_EQ(h.session->Dropped(), 101);
  EXPECT_TRUE(h.rig.forms.messages.empty());
  EXPECT_GT(h.rig.game.Events.Tick(), 390);  // played on to the Escape
  EXPECT_TRUE(std::any_of(h.link->sent.begin(), h.link->sent.end(), [](const Message& m) {
    return std::holds_alternative<BallCheck>(m);  // a ball was bowled, checked and agreed on
  }));
}

}  // namespace
}  // namespace net
