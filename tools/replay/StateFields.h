#pragma once
// The match state by name, as JSON values, for the replay driver's `print`:
// its variables, and the display objects the match is drawn on.

#include <optional>
#include <string>

struct MatchDisplay;
struct MatchState;

// The JSON value of a match-state variable, or nothing if there is no such name.
std::optional<std::string> StateFieldJson(const MatchState& s, const MatchDisplay& d,
                                          const std::string& name);
bool IsStateField(const std::string& name);
