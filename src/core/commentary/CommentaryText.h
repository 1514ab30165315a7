#pragma once
// Small helpers that turn the word table into lines.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace commentary {

// The most characters of a team name the strip says. Longer names end in "…",
// so the numbers after a name always stay on the strip: the target line at the
// break names both sides, and with two names of 14 of the widest characters
// (W, or any CJK character, about 13 pixels each at the strip's 13-pixel face)
// it still fits the 640-pixel strip with the biggest scores. The strip widget
// elides a whole line only as a last resort (see CommentaryStrip).
inline constexpr std::size_t kNameChars = 14;

// Fills each "{}" of `pattern` with the next of `args`; a "{}" left over stays empty.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args);

// `name` cut to at most `chars` characters (not bytes: a name may be in any
// script), the last one "…" when it was cut. An empty name gets `fallback`.
std::string CapName(std::string_view name, std::string_view fallback,
                    std::size_t chars = kNameChars);

// The name's possessive: "Lions's", but "Tigers'" for a name ending in s.
std::string Possessive(const std::string& name);

// Runs per over to one decimal ("6.3"), rounded half up; from runs and balls bowled (> 0).
std::string RunRate(int runs, int balls);

// "1 ball", "5 balls".
std::string BallsText(int balls);

}  // namespace commentary
