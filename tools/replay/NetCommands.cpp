// The driver's side of a match shared with another driver over the network:
// `host PORT DELAY` waits for the other driver and sends it this panel (a
// DELAY of 0 chooses the input delay from the pings, as the game does);
// `join ADDRESS PORT` calls the host and takes its panel. Both return once
// the two have met; then `begin` and `tick N` play in lockstep, each tick
// waiting for the other driver's inputs as the game does.
#include <chrono>

#include "Driver.h"
#include "Json.h"
#include "net/EnetLink.h"
#include "net/MatchPanel.h"

namespace {

// A little longer than the session gives a silent machine before "Connection lost".
constexpr auto kPatience = std::chrono::milliseconds(10500);
constexpr int kServiceMs = 2;

std::uint16_t PortOf(const Command& c, long long value) {
  if (value < 1 || value > 65535) throw ScriptError{c.line, "port must be from 1 to 65535"};
  return static_cast<std::uint16_t>(value);
}

}  // namespace

// For tests of the check after each ball: this machine's match differs from
// the other's by one run. Only a script can say it; nothing from the network.
void Driver::Tamper(const Command& c) {
  ExpectWords(c, 0);
  ++game_.S.Team1Runs;
}

void Driver::Host(const Command& c) {
  ExpectWords(c, 2);
  const std::uint16_t port = PortOf(c, Integer(c, c.words[0]));
  const long long delay = Integer(c, c.words[1]);
  if (delay < 0 || delay > net::kLongestDelay)
    throw ScriptError{c.line, "delay must be from 1 to 8 ticks, or 0 to choose it from the pings"};
  std::string error;
  auto link = net::EnetLink::Host(port, error);
  if (!link) throw ScriptError{c.line, error};
  net::SessionOptions options;
  options.host = true;
  options.port = port;
  if (delay > 0) options.delay = static_cast<int>(delay);
  Meet(std::make_unique<net::Session>(game_, std::move(link), options), c.line);
}

void Driver::Join(const Command& c) {
  ExpectWords(c, 2);
  const std::uint16_t port = PortOf(c, Integer(c, c.words[1]));
  std::string error;
  auto link = net::EnetLink::Join(c.words[0], port, error);
  if (!link) throw ScriptError{c.line, error};
  net::SessionOptions options;
  options.team = forms_.Text(kTeam2Box);
  options.target = c.words[0] + ":" + std::to_string(port);
  Meet(std::make_unique<net::Session>(game_, std::move(link), options), c.line);
}

// Waits until the two drivers have met and agreed on the match.
void Driver::Meet(std::unique_ptr<net::Session> session, int line) {
  session_ = std::move(session);
  session_->showSettings = [this](const net::MatchSettings& settings) {
    const net::PanelValues values = net::PanelOf(settings);
    for (Option option : values.selected) forms_.Select(option);
    for (const auto& [box, text] : values.texts) forms_.SetText(box, text);
  };
  const auto until = std::chrono::steady_clock::now() + kPatience;
  while (session_->CurrentStage() == net::Stage::Meeting &&
         std::chrono::steady_clock::now() < until)
    session_->Service(kServiceMs);
  if (session_->CurrentStage() != net::Stage::Ready)
    throw ScriptError{line, session_->CurrentStage() == net::Stage::Ended
                                ? session_->EndMessage()
                                : "the other machine did not come within 10 s"};
  Emit("{\"network\": {\"peer\": " + json::Quote(session_->PeerAddress()) +
       ", \"delay\": " + std::to_string(session_->InputDelay()) + "}}");
}

// A tick waits for the other machine's inputs, as the game's does; after 10 s
// without them the driver says so and stops.
bool Driver::AwaitOtherMachine() {
  if (!session_) return true;
  const auto until = std::chrono::steady_clock::now() + kPatience;
  session_->Service(0);
  while (!session_->TickReady() && session_->CurrentStage() == net::Stage::Playing) {
    if (std::chrono::steady_clock::now() >= until) {
      Emit("{\"error\": \"no inputs from the other machine for 10 s\"}");
      out_.flush();
      throw DriverStop{1};
    }
    session_->Service(kServiceMs);
  }
  return true;
}
