#pragma once
// One match shared with another machine, from meeting to goodbye: the hellos
// (a different protocol version is refused), pings to choose the input delay,
// the host's match settings, then lockstep play with a check of the whole
// match state after each ball. It stands between the Game and the Link: the
// Game hands it this player's keys and asks it for each tick's keys; the
// owner (the game window, the replay driver) calls Service() often.
//
// Nothing the other machine sends is trusted: a datagram that does not decode
// is dropped and counted; one that breaks the rules of play (keys of the role
// it does not hold, ticks out of order, too many inputs, a flood) ends the
// match with a message.

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/game/Game.h"
#include "net/Link.h"
#include "net/Lockstep.h"
#include "net/Protocol.h"
#include "net/Roles.h"

namespace net {

enum class Stage { Meeting, Ready, Playing, Ended };

struct SessionOptions {
  bool host = false;
  std::string team;          // the joining player's team name
  std::string target;        // whom the joining side calls: "192.0.2.7:41780"
  std::uint16_t port = 0;    // where the host waits
  std::optional<int> delay;  // a fixed input delay, or chosen from the pings
  std::string gameVersion;
};

class Session : public SharedPlay, private EventListener {
 public:
  using Clock = std::chrono::steady_clock;

  Session(Game& game, std::unique_ptr<Link> link, SessionOptions options);
  ~Session() override;

  // Puts the match's settings on this machine's panel, once both have met:
  // the host's panel as the host sent it (the joining player's team as Team2).
  std::function<void(const MatchSettings&)> showSettings;

  // Moves the network and the meeting on; waits up to `waitMs` for news.
  void Service(int waitMs);
  Stage CurrentStage() const { return stage_; }
  // Both have met and agreed: Begin may be pressed (then call Started()).
  void Started();
  // Whether the next tick's inputs are all here.
  bool TickReady() const;
  // The state in words ("Connected to 192.0.2.7, 38 ms"), and why it ended.
  std::string Status() const;
  const std::string& EndMessage() const { return endMessage_; }
  int InputDelay() const { return delay_; }
  long long Dropped() const { return dropped_; }
  // Ticks the game's timer offered that had to wait for the other machine.
  long long Stalls() const { return stalls_; }
  // One line on how the shared match went over the network: ticks, stalls,
  // bytes each way, over how long.
  std::string Summary() const;
  const Link& Wire() const { return *link_; }

  // SharedPlay
  bool TakeKey(SharedKey key) override;
  std::optional<std::vector<SharedKey>> KeysForTick() override;
  std::int64_t TimeOfDay() const override { return timeOfDay_; }
  void MatchClosed() override;
  std::string PeerAddress() const override { return link_->PeerAddress(); }

 private:
  void OnEvent(const GameEvent& event) override;
  void OnSettled() override;

  void Receive(const std::vector<std::uint8_t>& bytes);
  void OnMessage(const Hello& m);
  void OnMessage(const MatchSettings& m);
  void OnMessage(const TickInputs& m);
  void OnMessage(const RecentInputs& m);
  void OnMessage(const Ping& m);
  void OnMessage(const BallCheck& m);
  void OnMessage(const Bye& m);
  bool TakingInputs();
  void Send(const Message& message);
  void SendPings();
  void MaybeAgree();
  void CloseMyBatch();
  std::vector<SharedKey> Played(const std::vector<std::string>& lines, bool mine);
  std::optional<SharedKey> KeyOf(const std::string& line);
  void CompareChecks();
  void End(const std::string& message, std::optional<ByeReason> bye);
  void Refuse(const std::string& why);
  bool Flooded();

  Game& game_;
  std::unique_ptr<Link> link_;
  SessionOptions options_;
  Stage stage_ = Stage::Meeting;
  bool helloSent_ = false, heardHello_ = false;
  std::string theirTeam_;
  int delay_ = 1;
  std::optional<Lockstep> lockstep_;
  std::vector<SharedKey> pending_;  // this player's keys for the open batch
  std::int64_t timeOfDay_ = 0;
  // Whether each recent tick ended in the first innings and at the break: the
  // other's keys are judged by the role they held when they sent them.
  struct Phase {
    bool firstInnings = true, inningsBreak = false;
  };
  std::array<Phase, 16> phases_{};
  std::uint32_t pingId_ = 0;
  Clock::time_point pingSent_{}, lastHeard_{}, floodWindow_{};
  std::vector<int> roundTrips_;
  int lastRoundTrip_ = -1;
  bool awaitingReply_ = false;
  long long heardInWindow_ = 0;
  long long dropped_ = 0;
  long long stalls_ = 0;
  Clock::time_point started_{};
  bool ballEnded_ = false;
  std::vector<std::uint64_t> myChecks_, theirChecks_;
  std::optional<std::uint32_t> leftAfter_;  // the other player left after this tick
  std::string endMessage_;
  bool byeSent_ = false;
};

}  // namespace net
