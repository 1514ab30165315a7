#include "core/model/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

int SkipDigits(const std::string& s, std::size_t& i) {
  int digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  return digits;
}

// sign? digits* ('.' digits*)? with at least one digit, then an exponent
// (e or E, sign?, digits) if any: "1e3" is a thousand. No hex, no "inf".
bool IsDecimal(const std::string& s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  int digits = SkipDigits(s, i);
  if (i < s.size() && s[i] == '.') digits += SkipDigits(s, ++i);
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (SkipDigits(s, i) == 0) return false;
  }
  return i == s.size();
}
}  // namespace

std::optional<double> ReadNumber(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  const std::string core = text.substr(begin, end - begin);
  if (!IsDecimal(core)) return std::nullopt;
  // from_chars ignores the desktop's locale; it takes no leading '+'.
  const std::size_t skip = (core[0] == '+') ? 1 : 0;
  double value = 0;
  const auto result = std::from_chars(core.data() + skip, core.data() + core.size(), value);
  if (result.ec != std::errc()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}
