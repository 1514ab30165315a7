#pragma once
// The options panel's design values: what a freshly loaded form shows.

#include "core/ports/Ports.h"

namespace panel {
inline constexpr const char* kText1 = "Team1";
inline constexpr const char* kText2 = "Team2";
inline constexpr const char* kText3 = "1";
inline constexpr const char* kText4 = "1";

// Selected at load: "Human V Human", "Normal" batting, "Simulation" bowling, "Normal" CPU.
inline constexpr Option kDesignSelection[] = {Option::Option2, Option::OptionBATn,
                                              Option::OptionBOWLh, Option::CPUn};

// The option groups, each a frame of mutually exclusive buttons.
inline constexpr Option kGameType[] = {Option::Option1, Option::Option2};
inline constexpr Option kBatting[] = {Option::OptionBATe, Option::OptionBATn, Option::OptionBATh};
inline constexpr Option kBowling[] = {Option::OptionBOWLe, Option::OptionBOWLn,
                                      Option::OptionBOWLh};
inline constexpr Option kCpu[] = {Option::CPUe, Option::CPUn, Option::CPUh};

inline const char* DesignText(TextBox box) {
  switch (box) {
    case TextBox::Text1:
      return kText1;
    case TextBox::Text2:
      return kText2;
    case TextBox::Text3:
      return kText3;
    case TextBox::Text4:
      return kText4;
  }
  return "";
}
}  // namespace panel
