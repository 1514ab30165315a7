// Every message survives the wire; anything we would not have sent decodes to nothing.
#include <gtest/gtest.h>

#include "net/Protocol.h"

namespace net {
namespace {

std::optional<Message> RoundTrip(const Message& m) {
  const auto bytes = Encode(m);
  return Decode(bytes.data(), bytes.size());
}

const Message kSamples[] = {
    Hello{kProtocolVersion, "1.0", false, "Tigers"},
    MatchSettings{"Lions", "Tigers", "2.5", "16", 1, 3, 2, 4, 0x0123456789ABCDEFull, 86399999},
    TickInputs{77, {"down 90", "up 90", "down 9"}},
    TickInputs{78, {}},
    Ping{4000000000u, true},
    BallCheck{12, 0xFEDCBA9876543210ull},
    Bye{ByeReason::Disagree, 1234},
    RecentInputs{40, {{"down 9"}, {}, {"up 9", "down 90"}}},
};

TEST(Protocol, EveryMessageComesBackAsItWasSent) {
  for (const Message& m : kSamples) {
    const auto back = RoundTrip(m);
    ASSERT_TRUE(back) << m.index();
    EXPECT_EQ(Encode(*back), Encode(m)) << m.index();
  }
  const auto settings = std::get<MatchSettings>(*RoundTrip(kSamples[1]));
  EXPECT_EQ(settings.team2, "Tigers");
  EXPECT_EQ(settings.generator, 0x0123456789ABCDEFull);
  EXPECT_EQ(std::get<TickInputs>(*RoundTrip(kSamples[2])).lines[2], "down 9");
}

TEST(Protocol, EveryMessageCutShortOrLengthenedIsDropped) {
  for (const Message& m : kSamples) {
    auto bytes = Encode(m);
    for (std::size_t size = 0; size < bytes.size(); ++size)
      EXPECT_FALSE(Decode(bytes.data(), size)) << m.index() << " cut to " << size;
    bytes.push_back(0);
    EXPECT_FALSE(Decode(bytes.data(), bytes.size())) << m.index() << " with a byte more";
  }
}

TEST(Protocol, OutOfBoundsFieldsAreDropped) {
  using Bytes = std::vector<std::uint8_t>;
  const struct {
    const char* what;
    Bytes bytes;
  } cases[] = {
      {"an unknown kind", {99, 0, 0}},
      {"a hello's host flag of 2", {1, 1, 0, 0, 2, 0}},
      {"a control character in a name", {1, 1, 0, 0, 0, 1, '\n'}},
      {"a name longer than any panel takes",
       [] {
         Bytes b{1, 1, 0, 0, 0, 41};
         b.resize(b.size() + 41, 'a');
         return b;
       }()},
      {"nine lines in a tick", {3, 1, 0, 0, 0, 9}},
      {"an input delay of 9",
       [] {
         auto b = Encode(MatchSettings{});
         b[b.size() - 13] = 9;
         return b;
       }()},
      {"an input delay of 0",
       [] {
         auto b = Encode(MatchSettings{});
         b[b.size() - 13] = 0;
         return b;
       }()},
      {"a goodbye for no reason", {6, 0, 0, 0, 0, 0}},
      {"a datagram longer than any message", Bytes(kLongestDatagram + 1, 3)},
  };
  for (const auto& c : cases) EXPECT_FALSE(Decode(c.bytes.data(), c.bytes.size())) << c.what;
}

}  // namespace
}  // namespace net
