#pragma once
// The option buttons chosen on a panel kept as a set, as a stand-in panel
// keeps them (the fakes, a match being watched): choosing a button of a frame
// unchooses the frame's others.

#include <algorithm>
#include <set>

#include "core/ports/Panel.h"

namespace chosen {

template <typename Meaning, std::size_t N>
void ClearFrameOf(std::set<Option>& selected, const std::array<OptionButton<Meaning>, N>& frame,
                  Option option) {
  const auto in = [option](const OptionButton<Meaning>& b) { return b.control == option; };
  if (std::none_of(frame.begin(), frame.end(), in)) return;
  for (const OptionButton<Meaning>& button : frame) selected.erase(button.control);
}

inline void Choose(std::set<Option>& selected, Option option) {
  ClearFrameOf(selected, kGameTypeButtons, option);
  ClearFrameOf(selected, kBattingButtons, option);
  ClearFrameOf(selected, kBowlingButtons, option);
  ClearFrameOf(selected, kComputerButtons, option);
  selected.insert(option);
}

}  // namespace chosen
