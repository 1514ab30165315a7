#include "core/commentary/CommentaryText.h"

#include "core/commentary/CommentaryWords.h"

namespace commentary {
namespace {

constexpr std::string_view kHole = "{}";
constexpr std::string_view kEllipsis = "\u2026";

// A UTF-8 byte that continues a character rather than starting one.
bool Continues(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The byte where character number `chars` starts, or npos when the text is shorter.
std::size_t ByteOfChar(std::string_view text, std::size_t chars) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (Continues(static_cast<unsigned char>(text[i]))) continue;
    if (seen == chars) return i;
    ++seen;
  }
  return std::string_view::npos;
}

}  // namespace

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  const std::string_view* next = args.begin();
  for (std::size_t at = 0;;) {
    const std::size_t hole = pattern.find(kHole, at);
    out.append(pattern.substr(at, hole - at));
    if (hole == std::string_view::npos) return out;
    if (next != args.end()) out.append(*next++);
    at = hole + kHole.size();
  }
}

std::string CapName(std::string_view name, std::string_view fallback, std::size_t chars) {
  if (name.empty()) return std::string(fallback);
  if (chars == 0 || ByteOfChar(name, chars) == std::string_view::npos) return std::string(name);
  std::string capped(name.substr(0, ByteOfChar(name, chars - 1)));
  return capped.append(kEllipsis);
}

std::string Possessive(const std::string& name) {
  const bool endsInS = !name.empty() && (name.back() == 's' || name.back() == 'S');
  return Fill(endsInS ? words::kPossessiveAfterS : words::kPossessive, {name});
}

std::string RunRate(int runs, int balls) {
  // tenths of a run per over = runs * 6 * 10 / balls, rounded half up
  const long long tenths = (static_cast<long long>(runs) * 120 + balls) / (2LL * balls);
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string BallsText(int balls) {
  return balls == 1 ? std::string(words::kOneBall) : Fill(words::kBalls, {std::to_string(balls)});
}

}  // namespace commentary
