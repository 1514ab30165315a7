#pragma once
// Just enough JSON for the replay driver's output lines.

#include <string>

namespace json {
std::string Quote(const std::string& text);  // a JSON string, UTF-8 kept as is
std::string Number(float value);             // shortest text that reads back to the same float
std::string Number(long long value);
inline std::string Bool(bool value) {
  return value ? "true" : "false";
}
}  // namespace json
