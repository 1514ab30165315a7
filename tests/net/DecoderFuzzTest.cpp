// Random datagrams, and real messages with bytes flipped, inserted or cut:
// the decoder never reads out of bounds (the sanitizer build watches), and
// whatever it accepts is a message we could have sent, byte for byte.
#include <gtest/gtest.h>

#include <random>

#include "net/Protocol.h"

namespace net {
namespace {

std::vector<std::uint8_t> Mutated(std::vector<std::uint8_t> bytes, std::mt19937& rng) {
  std::uniform_int_distribution<int> byte(0, 255), edits(1, 4);
  for (int n = edits(rng); n > 0 && !bytes.empty(); --n) {
    const std::size_t at = rng() % bytes.size();
    switch (rng() % 3) {
      case 0:
        bytes[at] = static_cast<std::uint8_t>(byte(rng));
        break;
      case 1:
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                     static_cast<std::uint8_t>(byte(rng)));
        break;
      default:
        bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at));
    }
  }
  return bytes;
}

TEST(DecoderFuzz, AcceptsOnlyWhatItCouldHaveSent) {
  std::mt19937 rng(20240525);
  const std::vector<std::vector<std::uint8_t>> seeds = {
      Encode(Hello{kProtocolVersion, "1.0", true, "Lions"}),
      Encode(MatchSettings{"A", "B", "1", "1", 2, 3, 2, 2, 99, 5}),
      Encode(TickInputs{5, {"down 37", "up 37"}}),
      Encode(Ping{1, false}),
      Encode(BallCheck{0, 42}),
      Encode(Bye{ByeReason::Left, 10}),
      Encode(RecentInputs{9, {{"down 37"}, {}}}),
  };
  long accepted = 0;
  for (int i = 0; i < 200000; ++i) {
    std::vector<std::uint8_t> bytes;
    if (i % 4 == 0) {
      bytes.resize(rng() % 64);
      for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    } else {
      bytes = Mutated(seeds[rng() % seeds.size()], rng);
    }
    const auto message = Decode(bytes.data(), bytes.size());
    if (!message) continue;
    ++accepted;
    ASSERT_EQ(Encode(*message), bytes);
  }
  EXPECT_GT(accepted, 0);  // the mutations reach past the first check
}

}  // namespace
}  // namespace net
