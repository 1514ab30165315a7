#include "net/Session.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "core/input/KeyCodes.h"
#include "core/model/NumberText.h"
#include "net/InputDelay.h"
#include "net/MatchPanel.h"
#include "net/StateHash.h"

namespace net {

namespace {

using std::chrono::milliseconds;

constexpr int kPingsAtMeeting = 10;
constexpr auto kPingRetry = milliseconds(300);
constexpr auto kPingWhilePlaying = milliseconds(1000);
constexpr auto kSilenceLimit = milliseconds(10000);
constexpr long long kMostDatagramsASecond = 1000;
constexpr std::size_t kMostKeysWaiting = 64;
constexpr std::int64_t kDayMs = 86400000;

std::optional<std::int64_t> WholeNumber(const std::string& word, std::int64_t low,
                                        std::int64_t high) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

std::pair<std::string, std::string> TwoWords(const std::string& line) {
  const std::size_t blank = line.find(' ');
  if (blank == std::string::npos) return {line, ""};
  return {line.substr(0, blank), line.substr(blank + 1)};
}

int MsSince(Session::Clock::time_point then) {
  return static_cast<int>(
      std::chrono::duration_cast<milliseconds>(Session::Clock::now() - then).count());
}

}  // namespace

Session::Session(Game& game, std::unique_ptr<Link> link, SessionOptions options)
    : game_(game), link_(std::move(link)), options_(std::move(options)) {
  if (options_.gameVersion.empty()) options_.gameVersion = GALLOWBY_VERSION;
  game_.SetSharedPlay(this);
  game_.Events.Listen(*this);
  floodWindow_ = Clock::now();
}

Session::~Session() {
  game_.Events.StopListening(*this);
  game_.SetSharedPlay(nullptr);
}

void Session::Service(int waitMs) {
  if (stage_ == Stage::Ended) return;
  std::vector<std::vector<std::uint8_t>> received;
  link_->Service(waitMs, received);
  for (const auto& bytes : received) {
    if (stage_ == Stage::Ended) return;
    Receive(bytes);
  }
  if (stage_ == Stage::Ended) return;
  switch (link_->State()) {
    case LinkState::Waiting:
      return;
    case LinkState::Closed:
      if (leftAfter_) return;  // playing on to where the other player left
      if (!helloSent_) return End("Could not reach " + options_.target, std::nullopt);
      return End(stage_ == Stage::Playing ? "Connection lost" : "The other player left",
                 std::nullopt);
    case LinkState::Connected:
      break;
  }
  if (!helloSent_) {
    helloSent_ = true;
    lastHeard_ = Clock::now();
    Send(Hello{kProtocolVersion, options_.gameVersion, options_.host, options_.team});
  }
  SendPings();
  MaybeAgree();
  if (stage_ != Stage::Ended && Clock::now() - lastHeard_ > kSilenceLimit)
    End("Connection lost", std::nullopt);
}

// Inputs are held to the lockstep's own bounds (what it holds, however often
// they come); anything else beyond what a game sends in a second is a flood.
void Session::Receive(const std::vector<std::uint8_t>& bytes) {
  const auto message = Decode(bytes.data(), bytes.size());
  const bool inputs = message && (std::holds_alternative<TickInputs>(*message) ||
                                  std::holds_alternative<RecentInputs>(*message));
  if (!inputs && Flooded()) return;
  if (!message) {
    ++dropped_;
    return;
  }
  lastHeard_ = Clock::now();
  std::visit([this](const auto& m) { OnMessage(m); }, *message);
}

bool Session::Flooded() {
  if (Clock::now() - floodWindow_ > milliseconds(1000)) {
    floodWindow_ = Clock::now();
    heardInWindow_ = 0;
  }
  if (++heardInWindow_ <= kMostDatagramsASecond) return false;
  Refuse("flooded the link");
  return true;
}

void Session::OnMessage(const Hello& m) {
  if (heardHello_ || m.host == options_.host) {
    ++dropped_;
    return;
  }
  if (m.protocol != kProtocolVersion)
    return End("The other game is version " + m.gameVersion, std::nullopt);
  heardHello_ = true;
  theirTeam_ = m.team;
}

void Session::OnMessage(const MatchSettings& m) {
  if (options_.host || !heardHello_ || stage_ != Stage::Meeting) {
    ++dropped_;
    return;
  }
  delay_ = m.inputDelay;
  game_.Rnd = Random(m.generator);
  timeOfDay_ = m.timeOfDay % kDayMs;
  if (showSettings) showSettings(m);
  stage_ = Stage::Ready;
}

// Inputs count once the match is agreed.
bool Session::TakingInputs() {
  if (stage_ != Stage::Playing && stage_ != Stage::Ready) return ++dropped_, false;
  if (!lockstep_) lockstep_.emplace(delay_);
  return true;
}

void Session::OnMessage(const TickInputs& m) {
  if (!TakingInputs()) return;
  if (m.lines.size() > kMostLinesInATick) return Refuse("sent too many inputs in a tick");
  if (!lockstep_->Receive(m)) return Refuse("sent ticks out of order");
}

void Session::OnMessage(const RecentInputs& m) {
  if (TakingInputs() && !lockstep_->ReceiveRecent(m)) Refuse("sent ticks out of order");
}

void Session::OnMessage(const Ping& m) {
  if (!m.reply) return Send(Ping{m.id, true});
  if (!awaitingReply_ || m.id != pingId_) return;  // a late answer to a ping given up on
  awaitingReply_ = false;
  lastRoundTrip_ = MsSince(pingSent_);
  if (stage_ == Stage::Meeting) roundTrips_.push_back(lastRoundTrip_);
}

void Session::OnMessage(const BallCheck& m) {
  if (stage_ != Stage::Playing) {
    ++dropped_;
    return;
  }
  if (m.ball != theirChecks_.size() || theirChecks_.size() > myChecks_.size() + kMostKeysWaiting)
    return Refuse("sent checks out of order");
  theirChecks_.push_back(m.hash);
  CompareChecks();
}

void Session::OnMessage(const Bye& m) {
  switch (m.reason) {
    case ByeReason::Left:
      if (stage_ != Stage::Playing) return End("The other player left", std::nullopt);
      leftAfter_ = m.played;
      return;
    case ByeReason::Disagree:
      return End("The two games disagree", std::nullopt);
    case ByeReason::BrokeRules:
      return End("The other game ended the match", std::nullopt);
  }
}

void Session::Send(const Message& message) {
  const bool once = std::holds_alternative<Ping>(message);
  link_->Send(Encode(message), once ? Delivery::Unreliable : Delivery::Reliable);
}

// One ping in the air at a time: quickly while meeting, to choose the delay,
// then once a second for the round trip shown; an unanswered one is given up
// on after a while.
void Session::SendPings() {
  const auto since = Clock::now() - pingSent_;
  if (awaitingReply_ && since < kPingRetry) return;
  if (!awaitingReply_ && stage_ != Stage::Meeting && since < kPingWhilePlaying) return;
  ++pingId_;
  pingSent_ = Clock::now();
  awaitingReply_ = true;
  Send(Ping{pingId_, false});
}

// The host settles the match once both have said hello and the round trip
// is known: its panel, the delay, the generator and the time of day.
void Session::MaybeAgree() {
  if (!options_.host || !heardHello_ || stage_ != Stage::Meeting) return;
  if (!options_.delay && roundTrips_.size() < kPingsAtMeeting) return;
  delay_ = options_.delay.value_or(InputDelayFor(roundTrips_, kShortestPeriodMs));
  MatchSettings settings = SettingsOfPanel(*game_.P.forms);
  // At a Game Delay of 0 the timer waits for Tab, and Tab waits for a tick.
  const auto gameDelay = ReadNumber(settings.gameDelay);
  if (gameDelay && std::nearbyint(*gameDelay) == 0)
    return End("A match over the network needs a Game Delay above 0", std::nullopt);
  settings.team2 = theirTeam_;
  settings.inputDelay = static_cast<std::uint8_t>(delay_);
  settings.generator = game_.Rnd.State();
  settings.timeOfDay = static_cast<std::uint32_t>(game_.P.clock->MillisecondsSinceMidnight());
  timeOfDay_ = settings.timeOfDay;
  Send(settings);
  if (showSettings) showSettings(settings);
  stage_ = Stage::Ready;
}

void Session::Started() {
  if (stage_ != Stage::Ready) return;
  if (!lockstep_) lockstep_.emplace(delay_);
  // What earlier matches left in the state differs between the machines:
  // both start this one from the state a fresh program has.
  game_.S = MatchState{};
  phases_.fill(Phase{});
  stage_ = Stage::Playing;
  lastHeard_ = started_ = Clock::now();
}

bool Session::TakeKey(SharedKey key) {
  if (key.code == key::kEscape) return false;
  if (stage_ == Stage::Playing && pending_.size() < kMostKeysWaiting) pending_.push_back(key);
  return true;
}

// This player's keys go out stamped D ticks ahead, only those of the role
// they hold now.
void Session::CloseMyBatch() {
  if (!lockstep_->Open()) return;
  const MatchState& s = game_.S;
  const Role role = RoleOf(options_.host, s.FirstInnings);
  std::vector<std::string> lines;
  for (const SharedKey& key : std::exchange(pending_, {}))
    if (MayPress(role, key.code, s.InningsBreak))
      lines.push_back((key.down ? "down " : "up ") + std::to_string(key.code));
  TickInputs batch = lockstep_->Close(std::move(lines));
  // The copy rides in the batch's datagram: lost, the next datagram's copy
  // brings the batch a tick later.
  const auto copy = Encode(lockstep_->Recent());
  if (copy.size() <= kLongestDatagram) link_->Send(copy, Delivery::WithNext);
  Send(batch);
}

bool Session::TickReady() const {
  if (stage_ != Stage::Playing || !lockstep_) return false;
  return lockstep_->Waiting() > 0 || (leftAfter_ && lockstep_->Played() >= *leftAfter_);
}

std::optional<std::vector<SharedKey>> Session::KeysForTick() {
  if (stage_ != Stage::Playing) return std::nullopt;
  if (leftAfter_ && lockstep_->Played() >= *leftAfter_) {
    End("The other player left", std::nullopt);
    return std::nullopt;
  }
  if (!leftAfter_) CloseMyBatch();
  auto inputs = lockstep_->Next();
  if (!inputs) {
    ++stalls_;
    return std::nullopt;
  }
  auto hostKeys = Played(options_.host ? inputs->mine : inputs->theirs, options_.host);
  auto joinKeys = Played(options_.host ? inputs->theirs : inputs->mine, !options_.host);
  if (stage_ != Stage::Playing) return std::nullopt;
  hostKeys.insert(hostKeys.end(), joinKeys.begin(), joinKeys.end());
  return hostKeys;
}

std::vector<SharedKey> Session::Played(const std::vector<std::string>& lines, bool mine) {
  const Phase then = phases_[(lockstep_->Played() - delay_ - 1) % phases_.size()];
  const Role theirRole = RoleOf(!options_.host, then.firstInnings);
  std::vector<SharedKey> keys;
  for (const std::string& line : lines) {
    const auto [verb, value] = TwoWords(line);
    const auto code = WholeNumber(value, -32768, 32767);
    if ((verb != "down" && verb != "up") || !code) {
      ++dropped_;
      continue;
    }
    const SharedKey key{verb == "down", static_cast<i16>(*code)};
    if (!mine && !MayPress(theirRole, key.code, then.inningsBreak)) {
      Refuse("sent keys for a role it does not hold");
      return {};
    }
    keys.push_back(key);
  }
  return keys;
}

void Session::OnEvent(const GameEvent& event) {
  if (event.kind == EventKind::BallScored) ballEnded_ = true;
}

void Session::OnSettled() {
  if (stage_ != Stage::Playing || !lockstep_) return;
  phases_[lockstep_->Played() % phases_.size()] = {game_.S.FirstInnings, game_.S.InningsBreak};
  if (!ballEnded_) return;
  ballEnded_ = false;
  myChecks_.push_back(StateHash(game_.S));
  Send(BallCheck{static_cast<std::uint32_t>(myChecks_.size() - 1), myChecks_.back()});
  CompareChecks();
}

void Session::CompareChecks() {
  const std::size_t both = std::min(myChecks_.size(), theirChecks_.size());
  if (both > 0 && myChecks_[both - 1] != theirChecks_[both - 1])
    End("The two games disagree", ByeReason::Disagree);
}

void Session::Refuse(const std::string& why) {
  End("Disconnected: the other game " + why, ByeReason::BrokeRules);
}

void Session::MatchClosed() {
  if (stage_ != Stage::Ended) End("", ByeReason::Left);
}

void Session::End(const std::string& message, std::optional<ByeReason> bye) {
  if (stage_ == Stage::Ended) return;
  stage_ = Stage::Ended;
  endMessage_ = message;
  if (!message.empty()) game_.StopMatch(message);
  if (!bye) return link_->Drop();
  if (!byeSent_) Send(Bye{*bye, lockstep_ ? lockstep_->Played() : 0});
  byeSent_ = true;
  link_->Close();
}

std::string Session::Summary() const {
  const double seconds = std::max(MsSince(started_), 1) / 1000.0;
  const std::uint32_t ticks = lockstep_ ? lockstep_->Played() : 0;
  const auto perSecond = [seconds](std::uint64_t bytes) {
    return std::to_string(static_cast<long long>(static_cast<double>(bytes) / seconds));
  };
  return std::to_string(ticks) + " ticks in " + std::to_string(static_cast<long long>(seconds)) +
         " s, input delay " + std::to_string(delay_) + ", " + std::to_string(stalls_) +
         " stalls, " + perSecond(link_->BytesSent()) + " B/s sent, " +
         perSecond(link_->BytesReceived()) + " B/s received, " + std::to_string(dropped_) +
         " dropped";
}

std::string Session::Status() const {
  if (stage_ == Stage::Ended) return endMessage_;
  if (link_->State() == LinkState::Waiting)
    return options_.host ? "Waiting for a player on port " + std::to_string(options_.port)
                         : "Connecting to " + options_.target;
  std::string status = "Connected to " + link_->PeerAddress();
  if (lastRoundTrip_ >= 0) status += ", " + std::to_string(lastRoundTrip_) + " ms";
  return status;
}

}  // namespace net
