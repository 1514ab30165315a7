#pragma once
// The result of a ball: the text the outcome line shows, and what the scorer
// counts it for. The rules write the text into OutcomeText; the scorer turns
// it into an Outcome here, compared whole and case-sensitively, and everyone
// who follows the match hears the Outcome, never the text.

#include <array>
#include <string_view>

enum class Outcome {
  None,  // left alone, missed, not wide, not bowled
  Wide,
  NoRun,
  OneRun,
  TwoRuns,
  ThreeRuns,
  FourRuns,
  Caught,
  Bowled,
  Unknown,  // a text that is none of the above: worth nothing, no ball at all
};

// What a ball is worth to the batting side. A wide is a run to the batsmen but
// not a ball of the over; a ball left alone still counts as bowled.
struct OutcomeRow {
  Outcome outcome;
  std::string_view text;
  int runs;
  bool wicket;
  bool counted;  // a ball of the over
};

// clang-format off
inline constexpr std::array<OutcomeRow, 10> kOutcomes{{
    // outcome             text           runs  wicket  counted
    {Outcome::None,        "",            0,    false,  true},
    {Outcome::Wide,        "Wide",        1,    false,  false},
    {Outcome::NoRun,       "No Run",      0,    false,  true},
    {Outcome::OneRun,      "1 Run",       1,    false,  true},
    {Outcome::TwoRuns,     "2 Runs",      2,    false,  true},
    {Outcome::ThreeRuns,   "3 Runs",      3,    false,  true},
    {Outcome::FourRuns,    "4 Runs",      4,    false,  true},
    {Outcome::Caught,      "Caught Out",  0,    true,   true},
    {Outcome::Bowled,      "Your OUT!!!", 0,    true,   true},
    {Outcome::Unknown,     "",            0,    false,  false},
}};
// clang-format on

// The table lists the outcomes in the enumeration's order.
constexpr const OutcomeRow& RowOf(Outcome outcome) {
  return kOutcomes[static_cast<std::size_t>(outcome)];
}

// The outcome line's text; Unknown has none.
constexpr std::string_view TextOf(Outcome outcome) {
  return RowOf(outcome).text;
}

// The outcome a text stands for; anything else ("wide", "4 runs") is Unknown.
constexpr Outcome OutcomeOf(std::string_view text) {
  for (const OutcomeRow& row : kOutcomes)
    if (row.outcome != Outcome::Unknown && row.text == text) return row.outcome;
  return Outcome::Unknown;
}

constexpr bool OutcomeTableInOrder() {
  for (std::size_t i = 0; i < kOutcomes.size(); ++i)
    if (static_cast<std::size_t>(kOutcomes[i].outcome) != i) return false;
  return true;
}
static_assert(OutcomeTableInOrder(), "kOutcomes must follow the order of Outcome");

// Shot codes, shared by ShotKey and ShotCode.
namespace shot {
inline constexpr int kDefensive = 0;
inline constexpr int kDrive = 1;   // Front Foot Drive
inline constexpr int kGlance = 2;  // Leg Glance
inline constexpr int kHook = 3;
inline constexpr int kCut = 4;  // Square Cut
}  // namespace shot
