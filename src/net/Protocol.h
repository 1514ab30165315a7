#pragma once
// What two machines sharing a match say to each other, and how it looks on the
// wire. Nothing but these messages crosses the network: a hello each way, the
// host's match settings, each machine's inputs tick by tick (and copies of
// the latest), pings, a hash of
// the match after each ball, and a goodbye. Every datagram is one message:
// a kind byte, then fixed-width little-endian numbers and short strings (a
// length byte, then the bytes). Decoding trusts nothing: a message that is cut
// short, too long, of an unknown kind or out of its bounds decodes to nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace net {

// Raised whenever the messages change meaning; two games speak only if equal.
inline constexpr std::uint16_t kProtocolVersion = 2;

// The bounds every message is held to.
inline constexpr std::size_t kLongestDatagram = 600;
inline constexpr std::size_t kLongestName = 40;  // a team name, as the panel takes it
inline constexpr std::size_t kLongestText = 16;  // the overs and delay boxes, a version
inline constexpr std::size_t kLongestLine = 24;  // one input line ("down 101")
inline constexpr std::size_t kMostLinesInATick = 8;
inline constexpr int kLongestDelay = 8;  // ticks
inline constexpr std::size_t kRecentBatches = 4;

// Each side says who it is. The joining side names its team.
struct Hello {
  std::uint16_t protocol = kProtocolVersion;
  std::string gameVersion;
  bool host = false;
  std::string team;
};

// The host's panel at the start of the match, and the values from outside the
// match both machines start it with.
struct MatchSettings {
  std::string team1, team2, overs, gameDelay;
  std::uint8_t batting = 0, bowling = 0, computer = 0;  // 1.. as the panel's buttons, 0 none
  std::uint8_t inputDelay = 1;                          // ticks, 1..kLongestDelay
  std::uint64_t generator = 0;                          // the random generator's state
  std::uint32_t timeOfDay = 0;                          // milliseconds since midnight
};

// One machine's inputs for one tick, as lines of the match script; none is
// an empty tick, which counts too.
struct TickInputs {
  std::uint32_t tick = 0;
  std::vector<std::string> lines;
};

// A copy of one machine's latest batches, ticks last - n + 1 to last, sent
// unreliably beside each new batch: when a datagram is lost the next one
// brings its inputs, without waiting for the reliable channel to resend them.
struct RecentInputs {
  std::uint32_t last = 0;
  std::vector<std::vector<std::string>> batches;  // 1 to kRecentBatches, oldest first
};

struct Ping {
  std::uint32_t id = 0;
  bool reply = false;
};

// A hash of the whole match state after the given ball.
struct BallCheck {
  std::uint32_t ball = 0;
  std::uint64_t hash = 0;
};

// Goodbye, after `played` ticks: a player who leaves has sent the inputs of
// every tick up to there, so the other machine plays on to the same tick.
enum class ByeReason : std::uint8_t { Left = 1, Disagree = 2, BrokeRules = 3 };
struct Bye {
  ByeReason reason = ByeReason::Left;
  std::uint32_t played = 0;
};

using Message = std::variant<Hello, MatchSettings, TickInputs, Ping, BallCheck, Bye, RecentInputs>;

std::vector<std::uint8_t> Encode(const Message& message);
// The message, or nothing when the datagram is not one we would have sent.
std::optional<Message> Decode(const std::uint8_t* data, std::size_t size);

}  // namespace net
